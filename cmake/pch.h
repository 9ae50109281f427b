// Precompiled for every target: the standard and Qt headers most files use.
#pragma once
#ifdef __cplusplus
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>
#include <QByteArray>
#include <QString>
#endif
