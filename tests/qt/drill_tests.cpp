// The whole program through its Qt widgets, offscreen: start, open SAT100,
// answer, switch the direction, ask again, press GO!! with nothing chosen,
// and end with Escape. Each run works in a temporary directory that holds a
// copy of the word list, never in the repository's data/.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <string>
#include <unistd.h>

#include "app/QuizApp.h"
#include "platform/Window.h"
#include "platform/qt/ClientArea.h"
#include "platform/qt/DialogFrame.h"
#include "platform/qt/QtHost.h"
#include "quiz/QuizDlg.h"
#include "resources/resource.h"
#include "tests/qt/ShownTopLevel.h"
#include "tests/support/TemporaryCurrentFolder.h"

namespace {

namespace fs = std::filesystem;

struct WordList {
    std::set<QString> words;
    std::set<QString> meanings;
};

// The pairs of a word list: the lines after its 19-line introduction.
WordList ReadWordList(const fs::path& file)
{
    WordList list;
    std::ifstream in(file, std::ios::binary);
    std::string line;
    for (int n = 0; std::getline(in, line); ++n) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (n < 19)
            continue;
        ((n - 19) % 2 == 0 ? list.words : list.meanings).insert(QString::fromUtf8(line.c_str()));
    }
    return list;
}

CQuizDlg* MainDialog()
{
    return dynamic_cast<CQuizDlg*>(theApp.m_pMainWnd);
}

platform::DialogFrame* FrameOf(const platform::Window& dialog)
{
    return static_cast<platform::DialogFrame*>(platform::QtHost::PeerOf(dialog));
}

template <typename Widget = QWidget>
Widget* Control(int id)
{
    return dynamic_cast<Widget*>(platform::QtHost::PeerOf(*MainDialog()->m_hWnd->ChildById(id)));
}

// What an option shows: its button text, whose '&' are doubled to show literally.
QString OptionText(int slot)
{
    return Control<QAbstractButton>(IDC_OPTION1 + slot - 1)->text().replace(QStringLiteral("&&"), QStringLiteral("&"));
}

class DrillTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fs::copy_file(fs::path(WORDLOOM_DATA_DIR) / "SAT100.TXT", m_dir / "SAT100.TXT",
                      fs::copy_options::overwrite_existing);
    }
    // Runs the program with `drive` acting inside its main loop, as the
    // learner would; a watchdog ends a run that hangs.
    int RunProgram(const std::function<void()>& drive)
    {
        QTimer::singleShot(0, drive);
        QTimer watchdog;
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, [] {
            ADD_FAILURE() << "the program did not end";
            if (QMessageBox* box = ShownTopLevel<QMessageBox>())
                box->accept();
            if (CQuizDlg* dlg = MainDialog())
                dlg->SendMessage(WM_COMMAND, IDCANCEL, 0);
        });
        watchdog.start(30000);
        char name[] = "wloom";
        char* argv[] = {name, nullptr};
        const int status = AfxWinMain(1, argv);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return status;
    }

    TemporaryCurrentFolder m_folder{"wordloom-drill"};
    const fs::path& m_dir = m_folder.Path();
};

TEST_F(DrillTest, AWholeDrillThroughTheWidgets)
{
    const WordList list = ReadWordList(m_dir / "SAT100.TXT");
    QPointer<QWidget> mainFrame;
    bool driven = false;

    const int status = RunProgram([&] {
        CQuizDlg* dlg = MainDialog();
        ASSERT_TRUE(dlg);
        platform::DialogFrame* frame = FrameOf(*dlg->m_hWnd);
        mainFrame = frame;
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frame));
        EXPECT_EQ(frame->windowTitle(), QStringLiteral("Wordloom 1.0"));
        EXPECT_EQ(Control<QLabel>(IDC_QUESTION)->text(),
                  QStringLiteral("Please open a vocab list or database from the File Menu."));
        EXPECT_FALSE(Control(IDC_OPTION1)->isVisible());
        EXPECT_FALSE(Control(IDC_GO)->isEnabled());
        EXPECT_EQ(frame->focusWidget(), Control(IDCANCEL)) << "the focus starts on Quit";
        const QList<QSize> iconSizes = frame->windowIcon().availableSizes();
        EXPECT_TRUE(iconSizes.contains(QSize(32, 32)) && iconSizes.contains(QSize(16, 16)));

        // Start: the preloaded list opens, with its introduction in a window of its own.
        QTest::mouseClick(Control(IDC_SAT100), Qt::LeftButton);
        EXPECT_EQ(frame->windowHandle()->title(), QStringLiteral("Wordloom 1.0 - [SAT 100: frequent words]"));
        platform::Window* info = nullptr;
        for (platform::Window* w : platform::TopLevelWindows())
            if (w->Id() == static_cast<int>(IDD_INFO) && !w->IsDestroyed())
                info = w;
        ASSERT_TRUE(info);
        platform::DialogFrame* infoFrame = FrameOf(*info);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(infoFrame));
        EXPECT_EQ(infoFrame->windowTitle(), QStringLiteral("SAT 100: frequent words"));
        EXPECT_EQ(infoFrame->parentWidget(), frame) << "owned by the main window";
        EXPECT_EQ(infoFrame->pos(), frame->Client().mapToGlobal(QPoint(0, 0)));
        auto* introduction = dynamic_cast<QPlainTextEdit*>(platform::QtHost::PeerOf(*info->ChildById(IDC_INFO_TEXT)));
        ASSERT_TRUE(introduction);
        EXPECT_TRUE(introduction->toPlainText().startsWith(QStringLiteral("SAT 100: frequent words\n\nThis database")));

        // The question and its five options show, none of them checked.
        const QString question = Control<QLabel>(IDC_QUESTION)->text();
        EXPECT_EQ(list.words.count(question), 1u) << question.toStdString();
        for (int slot = 1; slot <= 5; ++slot) {
            auto* option = Control<QAbstractButton>(IDC_OPTION1 + slot - 1);
            EXPECT_TRUE(option->isVisible());
            EXPECT_FALSE(option->isChecked());
            EXPECT_EQ(list.meanings.count(option->text()), 1u) << option->text().toStdString();
        }

        // The right pick, then GO!!.
        const int correct = dlg->GetCorrectSlot();
        QTest::mouseClick(Control(IDC_OPTION1 + correct - 1), Qt::LeftButton);
        for (int slot = 1; slot <= 5; ++slot)
            EXPECT_EQ(Control<QAbstractButton>(IDC_OPTION1 + slot - 1)->isChecked(), slot == correct);
        const QString rightMeaning = OptionText(correct);
        QTest::mouseClick(Control(IDC_GO), Qt::LeftButton);
        EXPECT_EQ(Control<QLabel>(IDC_RESULT)->text(), QStringLiteral("YES! You got it!"));
        EXPECT_EQ(Control<QPlainTextEdit>(IDC_ANSWER)->toPlainText(), question + u'\n' + rightMeaning);

        const QString picture = QStringLiteral(WORDLOOM_SCREENSHOT_DIR "/main_window.png");
        EXPECT_TRUE(frame->grab().save(picture));
        infoFrame->grab().save(QStringLiteral(WORDLOOM_SCREENSHOT_DIR "/info_window.png"));

        // Meaning to Word: the button shows pressed, the menu marks the item.
        QTest::mouseClick(Control(IDC_MEANING_TO_WORD), Qt::LeftButton);
        EXPECT_TRUE(Control<QPushButton>(IDC_MEANING_TO_WORD)->isChecked());
        EXPECT_FALSE(Control<QPushButton>(IDC_WORD_TO_MEANING)->isChecked());
        QMenu* problemSet = frame->MenuBar()->actions()[1]->menu();
        EXPECT_TRUE(problemSet->actions()[1]->isChecked());
        EXPECT_FALSE(problemSet->actions()[0]->isChecked());

        // Next: a meaning is asked, five words are offered, none checked.
        QTest::mouseClick(Control(IDC_NEXT), Qt::LeftButton);
        EXPECT_EQ(list.meanings.count(Control<QLabel>(IDC_QUESTION)->text()), 1u);
        for (int slot = 1; slot <= 5; ++slot) {
            EXPECT_EQ(list.words.count(OptionText(slot)), 1u) << OptionText(slot).toStdString();
            EXPECT_FALSE(Control<QAbstractButton>(IDC_OPTION1 + slot - 1)->isChecked());
        }
        EXPECT_EQ(Control<QLabel>(IDC_RESULT)->text(), QStringLiteral("YES! You got it!")) << "kept until GO!!";

        // GO!! with nothing chosen: the message box, answered by a "learner".
        QString warning;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QTimer::singleShot(0, [&] {
            if (QMessageBox* box = ShownTopLevel<QMessageBox>()) {
                warning = box->windowTitle() + u'|' + box->text();
                icon = box->icon();
                QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
            }
        });
        QTest::mouseClick(Control(IDC_GO), Qt::LeftButton);
        EXPECT_EQ(warning, QStringLiteral("Sorry!|You must make a selection before checking the answer"));
        EXPECT_EQ(icon, QMessageBox::Warning);

        // The system menu, from a right click on the background, ends with the
        // About item; choosing it runs the About box, which Escape closes.
        QStringList systemMenu;
        QString aboutCaption;
        QTimer::singleShot(0, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu)
                return;
            for (QAction* action : menu->actions())
                systemMenu.append(action->text());
            menu->setActiveAction(menu->actions().back());
            QTimer::singleShot(0, [&] {
                for (platform::Window* w : platform::TopLevelWindows())
                    if (w->Id() == static_cast<int>(IDD_ABOUT_BOX) && !w->IsDestroyed()) {
                        aboutCaption = FrameOf(*w)->windowTitle();
                        QTest::keyClick(FrameOf(*w), Qt::Key_Escape);
                    }
            });
            QTest::keyClick(menu, Qt::Key_Return);
        });
        QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(2, 2), frame->Client().mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(&frame->Client(), &rightClick);
        ASSERT_GE(systemMenu.size(), 2);
        EXPECT_EQ(systemMenu.mid(systemMenu.size() - 2), (QStringList{QString(), QStringLiteral("&About WLOOM...")}));
        EXPECT_EQ(aboutCaption, QStringLiteral("About Wordloom"));
        EXPECT_TRUE(frame->Client().isEnabled()) << "the About box gave its owner back";

        // Escape in the main window ends the program.
        driven = true;
        QTest::keyClick(frame->focusWidget() ? frame->focusWidget() : frame, Qt::Key_Escape);
    });

    EXPECT_TRUE(driven);
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(platform::TopLevelWindows().empty());
    EXPECT_TRUE(mainFrame.isNull()) << "the widgets went with the windows";
}

TEST_F(DrillTest, AChosenDatabaseShowsItsTextsLiterallyAndDecoded)
{
    // Tags, ampersands and Windows-1252 letters, as an old word list may hold them.
    {
        std::ofstream out(m_dir / "tags.txt", std::ios::binary);
        out << "Caf\xe9 <b>words</b>\r\n";
        for (int n = 1; n < 19; ++n)
            out << "\r\n";
        const char* const pairs[] = {"<b>x</b>", "bold & caf\xe9", "r&d", "<i>research</i>", "one", "first",
                                     "two", "second", "three", "third", "four", "fourth"};
        for (const char* line : pairs)
            out << line << "\r\n";
    }
    std::set<QString> questions;
    std::set<QString> options;  // As the buttons hold them.
    QString caption;

    const int status = RunProgram([&] {
        CQuizDlg* dlg = MainDialog();
        ASSERT_TRUE(dlg);
        platform::DialogFrame* frame = FrameOf(*dlg->m_hWnd);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frame));

        // File > Open Database, with the learner choosing the file.
        QString filters;
        QTimer::singleShot(0, [&] {
            if (auto* files = ShownTopLevel<QFileDialog>()) {
                filters = files->nameFilters().join(u'|') + u'|' + files->selectedNameFilter();
                files->selectFile(QDir::current().absoluteFilePath(QStringLiteral("tags")));
                static_cast<QDialog*>(files)->accept();  // Reaches QFileDialog::accept.
            }
        });
        QMenu* file = frame->MenuBar()->actions()[0]->menu();
        file->actions()[0]->trigger();
        EXPECT_EQ(filters, QStringLiteral("Text Database (*.txt)|All Files (*.*)|Text Database (*.txt)"));
        caption = frame->windowHandle()->title();

        // Enough questions that every word is asked at least once.
        for (int n = 0; n < 80; ++n) {
            auto* question = Control<QLabel>(IDC_QUESTION);
            EXPECT_EQ(question->textFormat(), Qt::PlainText);
            questions.insert(question->text());
            for (int slot = 1; slot <= 5; ++slot)
                options.insert(Control<QAbstractButton>(IDC_OPTION1 + slot - 1)->text());
            QTest::mouseClick(Control(IDC_NEXT), Qt::LeftButton);
        }
        QTest::keyClick(frame, Qt::Key_Escape);
    });

    EXPECT_EQ(status, 0);
    EXPECT_EQ(caption, QStringLiteral("Wordloom 1.0 - [Café <b>words</b>]"));
    EXPECT_EQ(questions.count(QStringLiteral("<b>x</b>")), 1u);
    EXPECT_EQ(questions.count(QStringLiteral("r&d")), 1u);
    // A Qt button shows "&&" as one literal '&'.
    EXPECT_EQ(options.count(QStringLiteral("bold && café")), 1u);
    EXPECT_EQ(options.count(QStringLiteral("<i>research</i>")), 1u);
}

}  // namespace
