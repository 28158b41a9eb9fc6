// The Qt host on a dialog of our own: what the widgets show is the model's
// state, and what the learner does to them reaches the model's input paths.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QActionGroup>
#include <QApplication>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <string>
#include <vector>

#include "HostTestResources.h"
#include "platform/DialogManager.h"
#include "platform/Window.h"
#include "platform/qt/ClientArea.h"
#include "platform/qt/DialogFont.h"
#include "platform/qt/DialogFrame.h"
#include "platform/qt/FileFilters.h"
#include "platform/qt/QtHost.h"
#include "platform/qt/QtText.h"
#include "tests/qt/ShownTopLevel.h"

using namespace host_ids;

namespace {

// The host dialog, logging what reaches its handlers. Cancel and OK only
// log, so that the dialog stays open and shows whether Qt closed it.
class HostDlg : public CDialog {
public:
    HostDlg() : CDialog(IDD_HOST) {}

    std::vector<std::string> log;

protected:
    void OnOK() override { log.push_back("ok"); }
    void OnCancel() override { log.push_back("cancel"); }

    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }
    static const MessageMap* GetThisMessageMap()
    {
        static const MessageMapEntry entries[] = {
            ClickedEntry<&HostDlg::OnManual>(IDC_MANUAL),
            ClickedEntry<&HostDlg::OnApply>(IDC_APPLY),
            ClickedEntry<&HostDlg::OnLiteral>(IDC_LITERAL),
            CommandEntry<&HostDlg::OnWord>(ID_WORD),
            CommandEntry<&HostDlg::OnMeaning>(ID_MEANING),
        };
        static const MessageMap map(CDialog::GetThisMessageMap(), entries);
        return &map;
    }

private:
    void OnManual() { log.push_back(IsDlgButtonChecked(IDC_MANUAL) ? "manual, checked" : "manual, unchecked"); }
    void OnApply() { log.push_back("apply"); }
    void OnLiteral() { log.push_back("literal"); }
    void OnWord() { GetMenu()->CheckMenuRadioItem(ID_WORD, ID_MEANING, ID_WORD, MF_BYCOMMAND); }
    void OnMeaning() { GetMenu()->CheckMenuRadioItem(ID_WORD, ID_MEANING, ID_MEANING, MF_BYCOMMAND); }
};

platform::DialogFrame& FrameOf(CWnd& dialog)
{
    return *static_cast<platform::DialogFrame*>(platform::QtHost::PeerOf(*dialog.m_hWnd));
}

template <typename Widget = QWidget>
Widget* PeerOf(CWnd& dialog, int id)
{
    return dynamic_cast<Widget*>(platform::QtHost::PeerOf(*dialog.m_hWnd->ChildById(id)));
}

platform::BaseUnits Units()
{
    return platform::MeasureBaseUnits(platform::DialogFont(platform::FontSpec{}));
}

QRect Pixels(int x, int y, int cx, int cy)
{
    const platform::BaseUnits u = Units();
    const int left = MulDiv(x, u.x, 4);
    const int top = MulDiv(y, u.y, 8);
    return QRect(QPoint(left, top), QPoint(MulDiv(x + cx, u.x, 4) - 1, MulDiv(y + cy, u.y, 8) - 1));
}

class HostTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        app.m_pMainWnd = &dlg;
        ASSERT_TRUE(dlg.Create(IDD_HOST));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&FrameOf(dlg)));
    }
    void TearDown() override
    {
        for (platform::Window* w : platform::TopLevelWindows())
            platform::DestroyWindow(*w);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    platform::Window& Model(int id) { return *dlg.m_hWnd->ChildById(id); }
    // Delivers what Qt queued, such as the host's second look at the focus.
    static void Settle() { QCoreApplication::processEvents(); }

    CWinApp app;
    HostDlg dlg;
};

TEST_F(HostTest, RadioButtonsShowTheModelsCheckAndNeverCheckThemselves)
{
    auto* red = PeerOf<QRadioButton>(dlg, IDC_RED);
    auto* green = PeerOf<QRadioButton>(dlg, IDC_GREEN);
    auto* manual = PeerOf<QRadioButton>(dlg, IDC_MANUAL);
    ASSERT_TRUE(red && green && manual);
    EXPECT_FALSE(red->autoExclusive());

    QTest::mouseClick(red, Qt::LeftButton);
    EXPECT_EQ(dlg.IsDlgButtonChecked(IDC_RED), BST_CHECKED);
    EXPECT_TRUE(red->isChecked());

    QTest::mouseClick(red, Qt::LeftButton);  // A second click leaves it checked.
    EXPECT_TRUE(red->isChecked());

    QTest::mouseClick(green, Qt::LeftButton);
    EXPECT_TRUE(green->isChecked());
    EXPECT_FALSE(red->isChecked()) << "the model unchecked the rest of the group";

    dlg.CheckDlgButton(IDC_GREEN, BST_UNCHECKED);
    EXPECT_FALSE(red->isChecked() || green->isChecked() || manual->isChecked()) << "none checked shows none";

    // A radio button that the model does not check on a click stays unchecked.
    QTest::mouseClick(manual, Qt::LeftButton);
    EXPECT_EQ(dlg.log, (std::vector<std::string>{"manual, unchecked"}));
    EXPECT_FALSE(manual->isChecked());
}

TEST_F(HostTest, PushLikeRadioButtonsShowPressedWhileCheckedAndRaisedOtherwise)
{
    auto* small = PeerOf<QPushButton>(dlg, IDC_SMALL);
    auto* large = PeerOf<QPushButton>(dlg, IDC_LARGE);
    ASSERT_TRUE(small && large);
    EXPECT_TRUE(small->isCheckable());
    EXPECT_FALSE(small->isChecked() || large->isChecked());

    QTest::mouseClick(small, Qt::LeftButton);
    EXPECT_TRUE(small->isChecked());
    EXPECT_FALSE(large->isChecked());
    QTest::mouseClick(small, Qt::LeftButton);
    EXPECT_TRUE(small->isChecked()) << "Qt would raise it again; the model keeps it pressed";

    QTest::mouseClick(large, Qt::LeftButton);
    EXPECT_FALSE(small->isChecked());
    EXPECT_TRUE(large->isChecked());

    dlg.CheckRadioButton(IDC_SMALL, IDC_LARGE, 0);
    EXPECT_FALSE(small->isChecked() || large->isChecked());
}

TEST(HostTexts, BytesAreUtf8WhenValidAndWindows1252Otherwise)
{
    struct Case {
        std::string bytes;
        QString shown;
    };
    const Case cases[] = {
        {"plain words", QStringLiteral("plain words")},
        {"caf\xc3\xa9 \xe2\x82\xac", QStringLiteral("café €")},
        {"caf\xe9", QStringLiteral("café")},
        {"\x93quoted\x94 \x80 5 \x85", QStringLiteral("“quoted” € 5 …")},
        {"\x8a\x9a\x9f\xff", QStringLiteral("ŠšŸÿ")},
        {"\xc3(", QStringLiteral("Ã(")},  // A broken UTF-8 sequence: the whole text is Windows-1252.
        {"\x81\x8d", QString(QChar(0x81)) + QChar(0x8d)},
        {"", QString()},
    };
    for (const Case& c : cases)
        EXPECT_EQ(platform::FromBytes(c.bytes), c.shown) << c.bytes;
}

TEST(HostTexts, MnemonicsAmpersandsAndPlaceholders)
{
    EXPECT_EQ(platform::WithoutMnemonic(QStringLiteral("Co&lour")), QStringLiteral("Colour"));
    EXPECT_EQ(platform::WithoutMnemonic(QStringLiteral("Salt && &Pepper")), QStringLiteral("Salt & Pepper"));
    EXPECT_EQ(platform::WithoutMnemonic(QStringLiteral("End&")), QStringLiteral("End"));
    EXPECT_EQ(platform::WithLiteralAmpersands(QStringLiteral("R&D && co")), QStringLiteral("R&&D &&&& co"));
    EXPECT_EQ(platform::LiteralWindowTitle(QStringLiteral("a [*] b")), QStringLiteral("a [*][*] b"));
    EXPECT_EQ(platform::EditText(QStringLiteral("one\r\ntwo\r\n")), QStringLiteral("one\ntwo\n"));
}

TEST(HostFileDialog, FiltersKeepTheirNamesAndGainPatternsOnlyWhenMissing)
{
    const QStringList filters = platform::NameFilters({
        {"Text Database (*.txt)", "*.txt"},
        {"All Files (*.*)", "*.*"},
        {"Pictures", "*.png;*.xpm"},
    });
    EXPECT_EQ(filters, (QStringList{QStringLiteral("Text Database (*.txt)"), QStringLiteral("All Files (*.*)"),
                                    QStringLiteral("Pictures (*.png *.xpm)")}));
}

TEST_F(HostTest, TextsShowPlainAndDecodedWithTheRightAmpersands)
{
    dlg.SetDlgItemText(IDC_TEXT, "<b>x</b> & caf\xe9");
    auto* text = PeerOf<QLabel>(dlg, IDC_TEXT);
    ASSERT_TRUE(text);
    EXPECT_EQ(text->textFormat(), Qt::PlainText);
    EXPECT_EQ(text->text(), QStringLiteral("<b>x</b> & café")) << "tags and '&' show literally";

    EXPECT_EQ(PeerOf<QLabel>(dlg, IDC_SEASONING)->text(), QStringLiteral("Salt & Pepper"));
    EXPECT_EQ(PeerOf<QLabel>(dlg, IDC_COLOUR_LABEL)->textFormat(), Qt::PlainText);

    auto* close = PeerOf<QAbstractButton>(dlg, IDCANCEL);
    EXPECT_EQ(close->text(), QStringLiteral("&Close")) << "the mnemonic is underlined";
    EXPECT_TRUE(close->shortcut().isEmpty()) << "but Qt must not act on it";
    auto* literal = PeerOf<QAbstractButton>(dlg, IDC_LITERAL);
    EXPECT_EQ(literal->text(), QStringLiteral("R&&D"));
    EXPECT_TRUE(literal->shortcut().isEmpty());

    dlg.SetDlgItemText(IDC_NOTES, "one\r\n<i>two</i>");
    auto* notes = PeerOf<QPlainTextEdit>(dlg, IDC_NOTES);
    EXPECT_EQ(notes->toPlainText(), QStringLiteral("one\n<i>two</i>"));
    EXPECT_TRUE(notes->isReadOnly());
    EXPECT_EQ(notes->lineWrapMode(), QPlainTextEdit::NoWrap);

    dlg.SetWindowText("Words [*] \x93new\x94");
    EXPECT_EQ(FrameOf(dlg).windowHandle()->title(), QStringLiteral("Words [*] “new”"));
}

TEST_F(HostTest, LayoutIsTheTemplateInUnitsOfTheDialogFont)
{
    platform::DialogFrame& frame = FrameOf(dlg);
    const platform::BaseUnits u = Units();
    EXPECT_EQ(platform::CurrentHost().DialogBaseUnits(platform::FontSpec{}).x, u.x);
    EXPECT_EQ(platform::CurrentHost().DialogBaseUnits(platform::FontSpec{}).y, u.y);

    EXPECT_EQ(frame.Client().size(), Pixels(0, 0, 200, 120).size());
    EXPECT_EQ(frame.minimumSize(), frame.maximumSize()) << "a dialog without a sizing border has a fixed size";
    EXPECT_EQ(PeerOf(dlg, IDC_APPLY)->geometry(), Pixels(140, 80, 50, 14));
    EXPECT_EQ(PeerOf(dlg, IDC_RED)->geometry(), Pixels(8, 20, 50, 10));
    EXPECT_EQ(PeerOf(dlg, IDC_APPLY)->font().pointSize(), 8);
    // A picture static takes its picture's size at the template's position.
    EXPECT_EQ(PeerOf(dlg, IDC_ICON)->geometry(), QRect(Pixels(120, 10, 0, 0).topLeft(), QSize(4, 4)));
    // The group box lies beneath the radio buttons it frames.
    const QObjectList children = frame.Client().children();
    EXPECT_LT(children.indexOf(PeerOf<QGroupBox>(dlg, -1)), children.indexOf(PeerOf(dlg, IDC_RED)));
    // The menu bar sits above the client area, which keeps the template's size.
    ASSERT_TRUE(frame.MenuBar());
    EXPECT_EQ(frame.Client().y(), frame.MenuBar()->height());
    EXPECT_EQ(dlg.m_hWnd->Rect().Width(), frame.Client().width());
    EXPECT_EQ(dlg.m_hWnd->Rect().top, frame.Client().mapToGlobal(QPoint(0, 0)).y());
}

TEST_F(HostTest, AModelessOwnedWindowOpensAtItsOwnersClientOriginAndMayBeResized)
{
    CDialog tool(IDD_TOOL, &dlg);
    ASSERT_TRUE(tool.Create(IDD_TOOL, &dlg));
    platform::DialogFrame& toolFrame = FrameOf(tool);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&toolFrame));

    EXPECT_EQ(toolFrame.parentWidget(), &FrameOf(dlg)) << "owned, so it stays above its owner";
    const platform::BaseUnits u = Units();
    const QPoint origin = FrameOf(dlg).Client().mapToGlobal(QPoint(0, 0));
    EXPECT_EQ(toolFrame.pos(), origin + QPoint(MulDiv(10, u.x, 4), MulDiv(20, u.y, 8)));

    EXPECT_LT(toolFrame.minimumSize().width(), toolFrame.maximumSize().width());
    const QRect ok = PeerOf(tool, IDOK)->geometry();
    toolFrame.resize(toolFrame.size() + QSize(40, 30));
    EXPECT_EQ(PeerOf(tool, IDOK)->geometry(), ok) << "resizing leaves the controls where they are";
    EXPECT_TRUE(PeerOf<QPushButton>(tool, IDOK)->isDefault());
}

TEST_F(HostTest, MenuBarMirrorsGrayedAndRadioMarkedItemsAndChoicesReachTheModel)
{
    QMenuBar* bar = FrameOf(dlg).MenuBar();
    ASSERT_TRUE(bar);
    ASSERT_EQ(bar->actions().size(), 2);
    EXPECT_EQ(bar->actions()[0]->text(), QStringLiteral("&File"));
    QMenu* file = bar->actions()[0]->menu();
    QMenu* view = bar->actions()[1]->menu();
    ASSERT_TRUE(file && view);
    QAction* open = file->actions()[0];
    QAction* disabled = file->actions()[1];
    QAction* word = view->actions()[0];
    QAction* meaning = view->actions()[1];
    EXPECT_EQ(open->text(), QStringLiteral("&Open"));
    EXPECT_TRUE(open->isEnabled());
    EXPECT_FALSE(disabled->isEnabled());

    dlg.GetMenu()->EnableMenuItem(ID_OPEN, MF_BYCOMMAND | MF_GRAYED);
    EXPECT_FALSE(open->isEnabled());

    dlg.GetMenu()->CheckMenuRadioItem(ID_WORD, ID_MEANING, ID_WORD, MF_BYCOMMAND);
    EXPECT_TRUE(word->isChecked());
    ASSERT_TRUE(word->actionGroup());
    EXPECT_TRUE(word->actionGroup()->isExclusive()) << "drawn with a radio bullet";
    EXPECT_FALSE(meaning->isCheckable()) << "an unmarked item shows no mark";

    meaning->trigger();
    EXPECT_TRUE(meaning->isChecked());
    EXPECT_FALSE(word->isChecked());
    meaning->trigger();  // Qt would uncheck it; the model marks it again.
    EXPECT_TRUE(meaning->isChecked());
}

TEST_F(HostTest, KeysGoToTheModelAndQtsFocusFollowsIt)
{
    platform::DialogFrame& frame = FrameOf(dlg);
    EXPECT_EQ(platform::GetFocus(), &Model(IDCANCEL));
    EXPECT_EQ(frame.focusWidget(), PeerOf(dlg, IDCANCEL));

    // Tab walks the model's tab stops, not Qt's focus chain.
    QTest::keyClick(frame.focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(platform::GetFocus(), &Model(IDC_LITERAL));
    EXPECT_EQ(frame.focusWidget(), PeerOf(dlg, IDC_LITERAL));
    QTest::keyClick(frame.focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(platform::GetFocus(), &Model(IDCANCEL));
    QTest::keyClick(frame.focusWidget(), Qt::Key_Tab);

    QTest::keyClick(frame.focusWidget(), Qt::Key_Space);
    QTest::keyClick(frame.focusWidget(), Qt::Key_A, Qt::AltModifier);
    QTest::keyClick(frame.focusWidget(), Qt::Key_Escape);
    EXPECT_EQ(dlg.log, (std::vector<std::string>{"literal", "apply", "cancel"}));
    EXPECT_TRUE(frame.isVisible());

    // Arrows move through the radio group, and onto an automatic one they click.
    QTest::mouseClick(PeerOf(dlg, IDC_RED), Qt::LeftButton);
    QTest::keyClick(frame.focusWidget(), Qt::Key_Down);
    EXPECT_EQ(platform::GetFocus(), &Model(IDC_GREEN));
    EXPECT_TRUE(PeerOf<QRadioButton>(dlg, IDC_GREEN)->isChecked());
    EXPECT_FALSE(PeerOf<QRadioButton>(dlg, IDC_RED)->isChecked());
}

TEST_F(HostTest, AClickOnAnEditGivesTheModelFocusAndEnterThereGoesToTheDialog)
{
    auto* notes = PeerOf<QPlainTextEdit>(dlg, IDC_NOTES);
    QTest::mouseClick(notes->viewport(), Qt::LeftButton);
    EXPECT_EQ(platform::GetFocus(), &Model(IDC_NOTES));
    QTest::keyClick(notes, Qt::Key_Return);
    EXPECT_EQ(dlg.log, (std::vector<std::string>{"ok"})) << "no default button: Enter is IDOK";
}

TEST_F(HostTest, QtNeverMovesTheFocusToAControlOfItsOwnChoosing)
{
    platform::DialogFrame& frame = FrameOf(dlg);
    QTest::mouseClick(PeerOf(dlg, IDC_APPLY), Qt::LeftButton);
    ASSERT_EQ(platform::GetFocus(), &Model(IDC_APPLY));

    // Qt would hand the focus of a disabled button to the next widget.
    dlg.GetDlgItem(IDC_APPLY)->EnableWindow(FALSE);
    Settle();
    EXPECT_EQ(platform::GetFocus(), &Model(IDC_APPLY));
    EXPECT_EQ(frame.focusWidget(), &frame) << "no other control shows the focus";
}

TEST_F(HostTest, TheCloseBoxAsksTheModelAndQtNeverClosesTheWindow)
{
    EXPECT_FALSE(FrameOf(dlg).close());
    EXPECT_EQ(dlg.log, (std::vector<std::string>{"cancel"}));
    EXPECT_TRUE(FrameOf(dlg).isVisible());
}

TEST_F(HostTest, MinimisingEitherWayKeepsTheModelAndTheWindowAlike)
{
    platform::DialogFrame& frame = FrameOf(dlg);
    frame.showMinimized();  // As the window manager does it.
    EXPECT_TRUE(dlg.IsIconic());
    frame.showNormal();
    EXPECT_FALSE(dlg.IsIconic());

    dlg.ShowWindow(SW_MINIMIZE);
    EXPECT_TRUE(frame.isMinimized());
    dlg.ShowWindow(SW_RESTORE);
    EXPECT_FALSE(frame.isMinimized());
}

TEST_F(HostTest, ARightClickOnTheBackgroundOpensTheSystemMenu)
{
    platform::ClientArea& client = FrameOf(dlg).Client();
    QStringList texts;
    bool restoreEnabled = true;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        for (QAction* action : menu->actions()) {
            texts.append(action->text());
            if (action->text() == QStringLiteral("&Restore"))
                restoreEnabled = action->isEnabled();
            if (action->text() == QStringLiteral("Mi&nimize"))
                menu->setActiveAction(action);
        }
        QTest::keyClick(menu, Qt::Key_Return);
    });
    QContextMenuEvent background(QContextMenuEvent::Mouse, QPoint(1, 1), client.mapToGlobal(QPoint(1, 1)));
    QApplication::sendEvent(&client, &background);

    EXPECT_EQ(texts, (QStringList{QStringLiteral("&Restore"), QStringLiteral("&Move"), QStringLiteral("Mi&nimize"),
                                  QString(), QStringLiteral("&Close")}));
    EXPECT_FALSE(restoreEnabled);
    EXPECT_TRUE(dlg.IsIconic());
    EXPECT_TRUE(FrameOf(dlg).isMinimized());
    dlg.ShowWindow(SW_RESTORE);

    // A right click on a push button is the button's, not the dialog's.
    bool opened = false;
    QTimer::singleShot(0, [&] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            opened = true;
            menu->close();
        }
    });
    QWidget* apply = PeerOf(dlg, IDC_APPLY);
    QContextMenuEvent onButton(QContextMenuEvent::Mouse, QPoint(2, 2), apply->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(apply, &onButton);
    Settle();
    EXPECT_FALSE(opened);
}

TEST_F(HostTest, AMessageBoxWarnsAndBlocksOnlyItsOwner)
{
    CDialog tool(IDD_TOOL, &dlg);
    ASSERT_TRUE(tool.Create(IDD_TOOL, &dlg));
    struct {
        bool shown = false;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QString title, text;
        bool ownerEnabled = true;
        bool toolUsable = false;
    } seen;
    QTimer::singleShot(0, [&] {
        QMessageBox* box = ShownTopLevel<QMessageBox>();
        if (!box)
            return;
        seen.shown = true;
        seen.icon = box->icon();
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.ownerEnabled = FrameOf(dlg).Client().isEnabled();
        // The tool window still takes clicks: its OK hides it.
        QTest::mouseClick(PeerOf(tool, IDOK), Qt::LeftButton);
        seen.toolUsable = !tool.IsWindowVisible();
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    });
    EXPECT_EQ(dlg.MessageBox("<b>Pick</b> one first", "Sorry!", MB_OK | MB_ICONEXCLAMATION), IDOK);

    EXPECT_TRUE(seen.shown);
    EXPECT_EQ(seen.icon, QMessageBox::Warning);
    EXPECT_EQ(seen.title, QStringLiteral("Sorry!"));
    EXPECT_EQ(seen.text, QStringLiteral("<b>Pick</b> one first"));
    EXPECT_FALSE(seen.ownerEnabled);
    EXPECT_TRUE(seen.toolUsable);
    EXPECT_TRUE(FrameOf(dlg).Client().isEnabled());
}

TEST_F(HostTest, AModalDialogRunsANestedLoopUntilTheModelEndsIt)
{
    CDialog box(IDD_BOX, &dlg);
    bool ownerEnabled = true;
    QTimer::singleShot(0, [&] {
        ownerEnabled = FrameOf(dlg).Client().isEnabled();
        QWidget* ok = PeerOf(box, IDOK);
        QTest::keyClick(ok, Qt::Key_Escape);
    });
    EXPECT_EQ(box.DoModal(), IDCANCEL);
    EXPECT_FALSE(ownerEnabled);
    EXPECT_TRUE(FrameOf(dlg).Client().isEnabled());
}

TEST_F(HostTest, DestroyedWindowsTakeTheirWidgetsWithThem)
{
    QPointer<QWidget> frame = &FrameOf(dlg);
    QPointer<QWidget> apply = PeerOf(dlg, IDC_APPLY);
    dlg.DestroyWindow();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(frame.isNull());
    EXPECT_TRUE(apply.isNull());
}

}  // namespace
