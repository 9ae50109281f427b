// The data items dialog and the derivation sources dialog driven through the modal hook as a user
// would: the items dialog runs from the file's operation command and OK applies the edited list
// to the document in one undo step.
#include "tests/model/RelationModel.h"
#include "tests/support/MessageScript.h"

#include "document/UndoStep.h"
#include "foundation/CommandIds.h"
#include "model/DataGenSrc.h"
#include "model/DataGenSrcDlg.h"
#include "model/DataItemDlg.h"
#include "model/FileCompItemLists.h"
#include "platform/afx/String.h"
#include "platform/ui/Ime.h"
#include "platform/ui/UserMessages.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace DataItemDlgTestImpl {

using Dlg = CDataItemDlg;

// Two data types in the combo, each as its name with edit kind 0.
DataTypeComboHooks StubTypes()
{
    DataTypeComboHooks hooks;
    hooks.fill = [](CComboBox* combo) {
        combo->ResetContent();
        for (const char* name : {"CHAR", "NUMBER"})
            combo->AddString(name);
        return 2;
    };
    hooks.select = [](CComboBox* combo, const CString& name, WORD) {
        combo->SetCurSel(combo->FindStringExact(-1, name));
    };
    hooks.read = [](CComboBox* combo, CString& name, WORD& kind) -> BOOL {
        if (combo->GetCurSel() < 0)
            return FALSE;
        combo->GetLBText(combo->GetCurSel(), name);
        kind = 0;
        return TRUE;
    };
    return hooks;
}

// Registers the real dialog for the document's command while it lives.
class RegisteredDialog
{
public:
    RegisteredDialog() : m_service(StubTypes()), m_previous(FileCompItemLists::SetDataItemsDialog(&m_service)) {}
    ~RegisteredDialog() { FileCompItemLists::SetDataItemsDialog(m_previous); }
    RegisteredDialog(const RegisteredDialog&) = delete;
    RegisteredDialog& operator=(const RegisteredDialog&) = delete;

private:
    DataItemDlgService m_service;
    FileCompItemLists::DataItemsDialog* m_previous;
};

void SetText(CDialog& d, int id, const char8_t* text)
{
    QWidget* widget = d.GetDlgItem(id)->GetSafeHwnd();
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        edit->setText(ToQString(CString(text)));
    else
        qobject_cast<QPlainTextEdit*>(widget)->setPlainText(ToQString(CString(text)));
}

void Toggle(CDialog& d, int id)
{
    auto* box = qobject_cast<QAbstractButton*>(d.GetDlgItem(id)->GetSafeHwnd());
    box->setChecked(!box->isChecked());
    d.SendMessage(WM_COMMAND, id);
}

void Press(CDialog& d, int id)
{
    d.SendMessage(WM_COMMAND, id);
}

// Picks the combo row with that text as a user does.
void Choose(CDialog& d, int id, const char8_t* text)
{
    auto* combo = qobject_cast<QComboBox*>(d.GetDlgItem(id)->GetSafeHwnd());
    const int row = combo->findText(ToQString(CString(text)));
    ASSERT_GE(row, 0) << Utf8(CString(text));
    combo->setCurrentIndex(row);
    emit combo->activated(row);
}

BOOL Enabled(CDialog& d, int id)
{
    return d.GetDlgItem(id)->IsWindowEnabled();
}

std::vector<std::string> Column(CListCtrl& list, int column)
{
    std::vector<std::string> texts;
    for (int row = 0; row < list.GetItemCount(); ++row)
        texts.push_back(Utf8(list.GetItemText(row, column)));
    return texts;
}

std::vector<std::string> ItemNames(const CFileComp& file)
{
    std::vector<std::string> names;
    const CDataList& list = file.GetDataList();
    for (POSITION pos = list.GetHeadPosition(); pos;)
        names.push_back(Utf8(list.GetNext(pos)->GetName()));
    return names;
}

// Drags the row with the mouse and lets it go over the lower half of another.
void DragRow(CListCtrlDragDrop& list, int from, int over, bool lowerHalf = true)
{
    QWidget* viewport = list.Tree()->viewport();
    const auto middle = [&](int row) {
        CRect rect;
        list.GetItemRect(row, &rect);
        return QPoint(20, (rect.top + rect.bottom) / 2);
    };
    const auto send = [&](QEvent::Type type, QPoint at, Qt::MouseButtons held) {
        QMouseEvent event(type, at, viewport->mapToGlobal(at),
                          type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held, Qt::NoModifier);
        QApplication::sendEvent(viewport, &event);
    };
    const QPoint start = middle(from);
    const QPoint end = middle(over) + QPoint(0, lowerHalf ? 3 : -3);
    send(QEvent::MouseButtonPress, start, Qt::LeftButton);
    send(QEvent::MouseMove, start + QPoint(0, 2 * QApplication::startDragDistance()), Qt::LeftButton);
    send(QEvent::MouseMove, end, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, end, Qt::NoButton);
}

class Customers : public RelationModel
{
public:
    Customers()
    {
        customer = File("Customer");
        orders = File("Orders");
        FileAt(customer).AddData(new CData(1, "CustID", "", "K", "N", "", 1, 0, 0, 1, 0));
        FileAt(orders).AddData(new CData(1, "OrderNo", "", "K", "N", "", 1, 0, 0, 1, 0));
        auto* ref = new CData(2, "CustRef", "", "N", "R", "", 0, 0, 0, 1, 0);
        ref->SetRefFile(customer);
        ref->SetRefItem(1);
        ref->SetRefItemName("CustID");
        FileAt(orders).AddData(ref);
        doc.SetModified(FALSE);
    }
    CFileComp& Customer() const { return FileAt(customer); }
    const CData& CustRef() const { return *FileAt(orders).GetDataList().GetDataAt(1); }

    // Runs the file's data items command with the user in place of the event loop.
    BOOL Run(const std::function<void(Dlg&)>& user, const std::function<void(CDataGenSrcDlg&)>& sources = {})
    {
        CDialog::SetModalHook([&](CDialog& dialog) {
            if (auto* items = dynamic_cast<Dlg*>(&dialog)) {
                dialog.GetDialogWidget()->show();
                user(*items);
            } else if (auto* s = dynamic_cast<CDataGenSrcDlg*>(&dialog); s && sources) {
                sources(*s);
            }
        });
        BOOL result;
        {
            CUndoStep step(&doc);
            result = doc.ExecuteObjectOperation(&Customer(), ID_OBJ_DATA_ITEM_DIALOG, 0, 0);
        }
        CDialog::SetModalHook(nullptr);
        return result;
    }

    WORD customer, orders;
    RegisteredDialog registered;
};

} // namespace DataItemDlgTestImpl

using namespace DataItemDlgTestImpl;

// Eight items through the dialog, reordered by dragging: another file's reference follows, undo
// restores both files, and the result survives saving and reopening.
TEST(DataItemDlg, EightItemsReorderedByDraggingAndApplied)
{
    Customers m;
    MessageScript script;
    const BOOL applied = m.Run([](Dlg& d) {
        CListCtrlDragDrop& list = d.GetList();
        EXPECT_EQ(Utf8(FromQString(d.GetDialogWidget()->windowTitle())),
                  Utf8(CString(u8"概念ﾌｧｲﾙ所属ﾃﾞｰﾀ項目 [Customer]")));
        EXPECT_EQ(list.GetColumnCount(), 11);
        EXPECT_EQ(Column(list, 0), (std::vector<std::string>{"CustID"}));
        EXPECT_FALSE(Enabled(d, Dlg::IDC_NAME)) << "no row is selected at first";
        const char8_t* names[] = {u8"Branch", u8"氏名", u8"Address", u8"Zip", u8"Phone", u8"Region", u8"Note"};
        d.SelectRow(0);
        for (const char8_t* name : names) {
            Press(d, Dlg::IDC_INSERT);
            SetText(d, Dlg::IDC_NAME, name);
            // An item inserted after a key item is a key item too: the third is none.
            if (d.GetCurrentRow() == 2)
                Toggle(d, Dlg::IDC_KEY);
        }
        EXPECT_EQ(list.GetItemCount(), 8);
        // Branch came in after the key item: a key of its group, both now "S".
        EXPECT_EQ(Column(list, 1), (std::vector<std::string>{"S", "S", "", "", "", "", "", ""}));
        // Zip a child of Address.
        d.SelectRow(4);
        Toggle(d, Dlg::IDC_CHILD);
        Choose(d, Dlg::IDC_PARENT, u8"Address");
        // Region an RKEY item referring to Orders' key.
        d.SelectRow(6);
        Toggle(d, Dlg::IDC_RKEY);
        Choose(d, Dlg::IDC_REF_FILE, u8"Orders");
        Choose(d, Dlg::IDC_REF_ITEM, u8"OrderNo");
        // Physical names and types.
        d.SelectRow(2);
        SetText(d, Dlg::IDC_COLUMN, u8"CUST_NAME");
        Choose(d, Dlg::IDC_TYPE, u8"CHAR");
        SetText(d, Dlg::IDC_DIGITS, u8"40");
        d.SelectRow(0);
        SetText(d, Dlg::IDC_COLUMN, u8"CUST_ID");
        EXPECT_EQ(Column(list, 5), (std::vector<std::string>{"1", "1", "1", "1", "2", "1", "1", "1"}));
        EXPECT_EQ(Column(list, 3), (std::vector<std::string>{"", "", "", "", "", "", "R*", ""}));
        EXPECT_EQ(Column(list, 7)[2], "CUST_NAME");
        // CustID dragged below Branch.
        DragRow(list, 0, 1);
        EXPECT_EQ(Column(list, 0)[0], "Branch");
        EXPECT_EQ(Column(list, 0)[1], "CustID");
        EXPECT_EQ(d.GetCurrentRow(), 1);
        EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), 1);
        Press(d, IDOK);
    });
    EXPECT_TRUE(script.Messages().empty()) << (script.Messages().empty() ? "" : Utf8(script.Messages()[0].text));
    ASSERT_TRUE(applied);
    EXPECT_TRUE(m.doc.IsModified());
    const std::vector<std::string> edited{"Branch", "CustID", Utf8(CString(u8"氏名")), "Address", "Zip", "Phone",
                                          "Region", "Note"};
    EXPECT_EQ(ItemNames(m.Customer()), edited);
    const CDataList& items = m.Customer().GetDataList();
    EXPECT_EQ(items.GetDataAt(1)->GetDataNumber(), 2);
    EXPECT_EQ(Utf8(items.GetDataAt(1)->GetColumnName()), "CUST_ID");
    EXPECT_EQ(items.GetDataAt(4)->GetParentItem(), 4);
    EXPECT_EQ(items.GetDataAt(6)->GetRefFile(), m.orders);
    EXPECT_EQ(items.GetDataAt(6)->GetRefItem(), 1);
    EXPECT_EQ(Utf8(items.GetDataAt(2)->GetDataTypeName()), "CHAR");
    EXPECT_EQ(items.GetDataAt(2)->GetDigits(), 40u);
    EXPECT_EQ(m.CustRef().GetRefItem(), 2) << "the other file's reference follows CustID";
    EXPECT_NE(m.Customer().GetKeyText().Find("Branch"), -1) << "texts rebuilt";

    m.doc.Undo();
    EXPECT_EQ(ItemNames(m.Customer()), (std::vector<std::string>{"CustID"}));
    EXPECT_EQ(m.CustRef().GetRefItem(), 1);
    m.doc.Redo();
    EXPECT_EQ(ItemNames(m.Customer()), edited);

    QTemporaryDir dir;
    const CString path = FromFileSystemPath(dir.filePath("customers.zvr").toStdString());
    ASSERT_TRUE(m.doc.OnSaveDocument(path));
    TestDoc reopened;
    ASSERT_TRUE(reopened.OnOpenDocument(path));
    EXPECT_EQ(ItemNames(ObjectIn<CFileComp>(reopened, m.customer)), edited);
    EXPECT_EQ(ObjectIn<CFileComp>(reopened, m.orders).GetDataList().GetDataAt(1)->GetRefItem(), 2);
}

TEST(DataItemDlg, RefusalsKeepTheDialogOpenOnTheRow)
{
    struct Case
    {
        const char* what;
        std::function<void(Dlg&)> edit;
        const char8_t* message;
        int row;
    } cases[] = {
        {"empty name", [](Dlg& d) { SetText(d, Dlg::IDC_NAME, u8""); },
         u8"ﾃﾞｰﾀ項目名が指定されていません。ﾃﾞｰﾀ項目名は必ず指定してください。", 1},
        {"duplicate name", [](Dlg& d) { SetText(d, Dlg::IDC_NAME, u8"CustID"); },
         u8"ﾃﾞｰﾀ項目名が重複しているものがあります。", 0},
        {"order",
         [](Dlg& d) {
             Toggle(d, Dlg::IDC_KEY);
             DragRow(d.GetList(), 1, 0, false);
         },
         u8"ﾃﾞｰﾀ項目の並び順を見直す必要があります。確認してください。", 0},
        // 31 double-byte letters are 62 bytes, more than the name's 60.
        {"name of more than 60 bytes",
         [](Dlg& d) { SetText(d, Dlg::IDC_NAME, u8"あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほま"); },
         u8"60 文字以内で入力してください。", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Customers m;
        MessageScript script;
        int endRow = -2;
        EXPECT_FALSE(m.Run([&](Dlg& d) {
            d.SelectRow(0);
            Press(d, Dlg::IDC_INSERT); // "新規追加1" after CustID
            c.edit(d);
            Press(d, IDOK);
            endRow = d.GetList().GetNextItem(-1, LVNI_SELECTED);
        }));
        ASSERT_EQ(script.Messages().size(), 1u);
        EXPECT_EQ(Utf8(script.Messages()[0].text), Utf8(CString(c.message)));
        EXPECT_EQ(endRow, c.row);
        EXPECT_EQ(ItemNames(m.Customer()), (std::vector<std::string>{"CustID"}));
        EXPECT_FALSE(m.doc.IsModified());
    }
}

TEST(DataItemDlg, ReadOnlyDocumentShowsTheItemsReadOnly)
{
    Customers m;
    m.doc.SetReadOnly(TRUE);
    EXPECT_FALSE(m.Run([](Dlg& d) {
        for (int id : {int(IDOK), Dlg::IDC_INSERT, Dlg::IDC_DELETE, Dlg::IDC_ARRANGE})
            EXPECT_FALSE(Enabled(d, id)) << id;
        d.SelectRow(0);
        EXPECT_TRUE(qobject_cast<QLineEdit*>(d.GetDlgItem(Dlg::IDC_NAME)->GetSafeHwnd())->isReadOnly());
        EXPECT_FALSE(Enabled(d, Dlg::IDC_KEY));
        EXPECT_FALSE(Enabled(d, Dlg::IDC_DELETE));
        Press(d, IDOK);
    }));
    EXPECT_FALSE(m.doc.IsModified());
}

// The derivation sources of an item, from the items dialog's button: a source inserted there is
// refused until its item is chosen, then OK of both applies it.
TEST(DataItemDlg, DerivationSourcesFromTheItemsDialog)
{
    Customers m;
    MessageScript script;
    std::vector<std::string> messages;
    EXPECT_TRUE(m.Run(
        [](Dlg& d) {
            d.SelectRow(0);
            Press(d, Dlg::IDC_INSERT);
            SetText(d, Dlg::IDC_NAME, u8"Total");
            EXPECT_FALSE(Enabled(d, Dlg::IDC_SOURCES));
            Choose(d, Dlg::IDC_DERIVATION, u8"G 四則演算");
            EXPECT_TRUE(Enabled(d, Dlg::IDC_SOURCES));
            Press(d, Dlg::IDC_SOURCES);
            EXPECT_EQ(Column(d.GetList(), 4)[1], "G*");
            Press(d, IDOK);
        },
        [&](CDataGenSrcDlg& s) {
            EXPECT_EQ(s.GetList().GetColumnCount(), 4);
            Press(s, CDataGenSrcDlg::IDC_INSERT);
            EXPECT_EQ(Utf8(s.GetList().GetItemText(0, 0)), Utf8(CString(u8"新規追加1")));
            Press(s, IDOK);
            EXPECT_EQ(script.Messages().size(), 1u);
            Choose(s, CDataGenSrcDlg::IDC_SRC_ITEM, u8"CustID");
            Choose(s, CDataGenSrcDlg::IDC_REF_ITEM3, u8"CustID");
            Press(s, IDOK);
        }));
    ASSERT_EQ(script.Messages().size(), 1u);
    EXPECT_EQ(Utf8(script.Messages()[0].text),
              Utf8(CString(u8"加工元ﾃﾞｰﾀ項目が指定されていない行があります。不要な場合は行を削除して下さい。")));
    const CData& total = *m.Customer().GetDataList().GetDataAt(1);
    ASSERT_EQ(total.GetSources().GetCount(), 1);
    const GenSrcByIds& ids = total.GetSources().GetAt(0)->ByIds();
    EXPECT_EQ(ids.srcItem, 1);
    EXPECT_EQ(ids.refItems[0], 1) << "reference item 3 moved to the front";
    EXPECT_EQ(Utf8(ids.refItemNames[0]), "CustID");
}

TEST(DataItemDlg, InputMethodOpensOnJapaneseFieldsOnly)
{
    Customers m;
    m.Run([](Dlg& d) {
        for (int id : {Dlg::IDC_NAME, Dlg::IDC_SUMMARY})
            EXPECT_TRUE(IsWidgetInputMethodOpen(d.GetDlgItem(id)->GetSafeHwnd())) << id;
        for (int id : {Dlg::IDC_NUMBER, Dlg::IDC_KEY_GROUP, Dlg::IDC_EXPRESSION, Dlg::IDC_DIGITS, Dlg::IDC_DECIMALS,
                       Dlg::IDC_COLUMN, Dlg::IDC_DEFAULT, Dlg::IDC_PARENT, Dlg::IDC_DERIVATION, Dlg::IDC_REF_FILE,
                       Dlg::IDC_REF_ITEM, Dlg::IDC_TYPE})
            EXPECT_FALSE(IsWidgetInputMethodOpen(d.GetDlgItem(id)->GetSafeHwnd())) << id;
    });
}

// A move reaches each dialog from its own list only.
TEST(DataItemDlg, ListMovesComeFromTheDialogsOwnList)
{
    Customers m;
    std::vector<std::string> sourceOrder;
    m.Run(
        [](Dlg& d) {
            d.SelectRow(0);
            Press(d, Dlg::IDC_INSERT);
            d.SendMessage(UM_LIST_ITEM_MOVED, WPARAM(CDataGenSrcDlg::IDC_LIST), MAKELONG(1, 0));
            EXPECT_EQ(Column(d.GetList(), 0)[0], "CustID") << "another list's move is ignored";
            d.SendMessage(UM_LIST_ITEM_MOVED, WPARAM(Dlg::IDC_LIST), MAKELONG(1, 0));
            EXPECT_EQ(Utf8(d.GetList().GetItemText(0, 0)), Utf8(CString(u8"新規追加1")));
            EXPECT_EQ(d.GetCurrentRow(), 0);
            Choose(d, Dlg::IDC_DERIVATION, u8"G 四則演算");
            Press(d, Dlg::IDC_SOURCES);
        },
        [&](CDataGenSrcDlg& s) {
            Press(s, CDataGenSrcDlg::IDC_INSERT);
            Press(s, CDataGenSrcDlg::IDC_INSERT);
            s.SendMessage(UM_LIST_ITEM_MOVED, WPARAM(Dlg::IDC_LIST), MAKELONG(1, 0));
            s.SendMessage(UM_LIST_ITEM_MOVED, WPARAM(CDataGenSrcDlg::IDC_LIST), MAKELONG(1, 0));
            sourceOrder = Column(s.GetList(), 0);
            EXPECT_EQ(s.GetCurrentRow(), 0);
        });
    EXPECT_EQ(sourceOrder, (std::vector<std::string>{Utf8(CString(u8"新規追加2")), Utf8(CString(u8"新規追加1"))}));
}
