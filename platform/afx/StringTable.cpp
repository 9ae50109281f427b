#include "platform/afx/StringTable.h"

#include "platform/afx/Cp932.h"

#include <QFile>

#include <unordered_map>

namespace {

// res/strings.tsv: one "id<TAB>text" per line, "\n" and "\t" and "\\" escaped in the text.
std::string Unescape(const QByteArray& raw)
{
    std::string out;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        if (raw[i] == '\\' && i + 1 < raw.size()) {
            const char next = raw[++i];
            out += next == 'n' ? '\n' : next == 't' ? '\t' : next == 'r' ? '\r' : next;
        } else {
            out += raw[i];
        }
    }
    return out;
}

const std::unordered_map<UINT, CString>& Table()
{
    static const std::unordered_map<UINT, CString> table = [] {
        std::unordered_map<UINT, CString> t;
        AfxInitResources();
        QFile file(QStringLiteral(":/strings.tsv"));
        if (!file.open(QIODevice::ReadOnly))
            return t;
        while (!file.atEnd()) {
            QByteArray line = file.readLine();
            while (line.endsWith('\n') || line.endsWith('\r'))
                line.chop(1);
            const qsizetype tab = line.indexOf('\t');
            if (line.isEmpty() || line.startsWith('#') || tab <= 0)
                continue;
            bool ok = false;
            const UINT id = line.left(tab).toUInt(&ok);
            if (ok)
                t[id] = CString(Utf8ToCp932(Unescape(line.mid(tab + 1))));
        }
        return t;
    }();
    return table;
}

void ReplaceArgument(CString& text, const char* marker, const char* value)
{
    text.Replace(marker, value ? value : "");
}

} // namespace

static void RegisterResourcesOnce()
{
    Q_INIT_RESOURCE(zivra);
}

void AfxInitResources()
{
    static const bool registered = (RegisterResourcesOnce(), true);
    (void)registered;
}

CString LoadStringResource(UINT id)
{
    const auto& table = Table();
    const auto it = table.find(id);
    return it == table.end() ? CString() : it->second;
}

BOOL LoadString(CString& text, UINT id)
{
    const auto& table = Table();
    const auto it = table.find(id);
    if (it == table.end())
        return FALSE;
    text = it->second;
    return TRUE;
}

void AfxFormatString1(CString& out, UINT id, const char* arg1)
{
    out = LoadStringResource(id);
    ReplaceArgument(out, "%1", arg1);
}

void AfxFormatString2(CString& out, UINT id, const char* arg1, const char* arg2)
{
    out = LoadStringResource(id);
    ReplaceArgument(out, "%1", arg1);
    ReplaceArgument(out, "%2", arg2);
}
