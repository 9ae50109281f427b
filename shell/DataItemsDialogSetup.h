// The data items dialog as the application composes it: the data-type combo comes from the
// application's data types.
#pragma once

#include "model/FileCompItemLists.h"

#include <memory>

class CDataTypeList;

std::unique_ptr<FileCompItemLists::DataItemsDialog> MakeDataItemsDialog(const CDataTypeList& types);
