#include "platform/ui/Resources.h"

#include "platform/afx/StringTable.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <map>

namespace UiResources {

struct Store
{
    std::map<UINT, std::vector<MenuItemResource>> menus;
    std::map<UINT, std::vector<AcceleratorResource>> accelerators;
    std::map<UINT, std::vector<UINT>> toolbars;
};

std::vector<MenuItemResource> ReadMenuItems(const QJsonArray& array)
{
    std::vector<MenuItemResource> items;
    for (const QJsonValue& value : array) {
        const QJsonObject o = value.toObject();
        MenuItemResource item;
        item.separator = o.value("separator").toBool();
        item.id = UINT(o.value("id").toInt());
        item.text = o.value("text").toString();
        item.items = ReadMenuItems(o.value("items").toArray());
        items.push_back(std::move(item));
    }
    return items;
}

Store Load()
{
    Store store;
    QFile file(QStringLiteral(":/ui.json"));
    if (!file.open(QIODevice::ReadOnly))
        return store;
    const QJsonObject root = QJsonDocument::fromJson(file.readAll()).object();
    const QJsonObject menus = root.value("menus").toObject();
    for (auto it = menus.begin(); it != menus.end(); ++it)
        store.menus[it.key().toUInt()] = ReadMenuItems(it.value().toArray());
    const QJsonObject accels = root.value("accelerators").toObject();
    for (auto it = accels.begin(); it != accels.end(); ++it)
        for (const QJsonValue& v : it.value().toArray()) {
            const QJsonObject o = v.toObject();
            store.accelerators[it.key().toUInt()].push_back(
                {UINT(o.value("id").toInt()), QKeySequence(o.value("key").toString(), QKeySequence::PortableText)});
        }
    const QJsonObject bars = root.value("toolbars").toObject();
    for (auto it = bars.begin(); it != bars.end(); ++it)
        for (const QJsonValue& v : it.value().toArray())
            store.toolbars[it.key().toUInt()].push_back(UINT(v.toInt()));
    return store;
}

const Store& Resources()
{
    static const Store store = Load();
    return store;
}

CommandIconProvider& IconProvider()
{
    static CommandIconProvider provider;
    return provider;
}

QString CommandStringPart(UINT commandId, int part)
{
    const QStringList parts = ToQString(LoadStringResource(commandId)).split(QLatin1Char('\n'));
    return part < parts.size() ? parts[part] : QString();
}

} // namespace UiResources

const std::vector<MenuItemResource>* FindMenuResource(UINT menuId)
{
    const auto& menus = UiResources::Resources().menus;
    auto it = menus.find(menuId);
    return it == menus.end() ? nullptr : &it->second;
}

std::vector<AcceleratorResource> LoadAcceleratorResource(UINT tableId)
{
    const auto& tables = UiResources::Resources().accelerators;
    auto it = tables.find(tableId);
    return it == tables.end() ? std::vector<AcceleratorResource>{} : it->second;
}

std::vector<UINT> LoadToolBarResource(UINT toolbarId)
{
    const auto& bars = UiResources::Resources().toolbars;
    auto it = bars.find(toolbarId);
    return it == bars.end() ? std::vector<UINT>{} : it->second;
}

void SetCommandIconProvider(CommandIconProvider provider)
{
    UiResources::IconProvider() = std::move(provider);
}

QIcon LoadCommandIcon(UINT commandId)
{
    const CommandIconProvider& provider = UiResources::IconProvider();
    return provider ? provider(commandId) : QIcon();
}

QString CommandPrompt(UINT commandId)
{
    return UiResources::CommandStringPart(commandId, 0);
}

QString CommandTip(UINT commandId)
{
    const QString tip = UiResources::CommandStringPart(commandId, 1);
    return tip.isEmpty() ? CommandPrompt(commandId) : tip;
}
