#include "shell/DataItemsDialogSetup.h"

#include "model/DataItemDlg.h"
#include "physical/DataType.h"
#include "physical/DataTypeList.h"
#include "platform/ui/Controls.h"

std::unique_ptr<FileCompItemLists::DataItemsDialog> MakeDataItemsDialog(const CDataTypeList& types)
{
    DataTypeComboHooks hooks;
    hooks.fill = [&types](CComboBox* combo) { return types.FillDataTypeCombo(combo); };
    hooks.select = [](CComboBox* combo, const CString& name, WORD editKind) {
        SelectDataTypeInCombo(combo, name, editKind);
    };
    hooks.read = [](CComboBox* combo, CString& name, WORD& editKind) -> BOOL {
        const int row = combo->GetCurSel();
        const auto* type = row >= 0 ? reinterpret_cast<const CDataType*>(combo->GetItemData(row)) : nullptr;
        if (!type)
            return FALSE;
        name = type->GetName();
        editKind = type->GetEditKind();
        return TRUE;
    };
    return std::make_unique<DataItemDlgService>(std::move(hooks));
}
