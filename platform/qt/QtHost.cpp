#include "platform/qt/QtHost.h"

#include <QApplication>
#include <QCheckBox>
#include <QEventLoop>
#include <QFileDialog>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QScreen>

#include <cctype>
#include <optional>

#include "platform/Constants.h"
#include "platform/DialogManager.h"
#include "platform/Dispatch.h"
#include "platform/Menu.h"
#include "platform/Window.h"
#include "platform/qt/ClientArea.h"
#include "platform/qt/DialogFont.h"
#include "platform/qt/DialogFrame.h"
#include "platform/qt/FileFilters.h"
#include "platform/qt/MenuMirror.h"
#include "platform/qt/ModelCheckedButton.h"
#include "platform/qt/QtImages.h"
#include "platform/qt/QtText.h"

namespace platform {

namespace {

DialogFrame* FrameOf(const Window& dialog)
{
    return dialog.Class() == WindowClass::Dialog ? static_cast<DialogFrame*>(QtHost::PeerOf(dialog)) : nullptr;
}

Qt::WindowFlags FrameFlags(const Window& dialog, bool owned)
{
    const DWORD style = dialog.Style();
    Qt::WindowFlags flags = (owned ? Qt::Dialog : Qt::Window) | Qt::CustomizeWindowHint;
    if ((style & WS_CAPTION) == WS_CAPTION)
        flags |= Qt::WindowTitleHint;
    else
        flags |= Qt::FramelessWindowHint;
    if (style & WS_SYSMENU) {
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        if (style & WS_MINIMIZEBOX)
            flags |= Qt::WindowMinimizeButtonHint;
        if (style & WS_MAXIMIZEBOX)
            flags |= Qt::WindowMaximizeButtonHint;
    }
    return flags;
}

QRect ToQRect(const RECT& r)
{
    return QRect(r.left, r.top, r.Width(), r.Height());
}

bool IsImageStatic(const Window& control)
{
    const DWORD kind = control.Style() & SS_TYPEMASK;
    return control.Class() == WindowClass::Static && (kind == SS_ICON || kind == SS_BITMAP);
}

// The keys the dialog manager handles, as the model names them.
std::optional<Key> DialogKey(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return Key::Tab;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return Key::Enter;
    case Qt::Key_Escape:
        return Key::Escape;
    case Qt::Key_Space:
        return Key::Space;
    case Qt::Key_Left:
        return Key::Left;
    case Qt::Key_Right:
        return Key::Right;
    case Qt::Key_Up:
        return Key::Up;
    case Qt::Key_Down:
        return Key::Down;
    case Qt::Key_F1:
        return Key::F1;
    default:
        return std::nullopt;
    }
}

// Tab, Enter, Escape and F1 belong to the dialog even when it does nothing
// with them; Space and the arrows go on to an edit control that wants them.
bool DialogAlwaysTakes(Key key)
{
    return key == Key::Tab || key == Key::Enter || key == Key::Escape || key == Key::F1;
}

// The character a key types, for mnemonics: the letter or digit on the key
// itself (Alt changes the text on some desktops), else its Latin-1 text.
char KeyCharacter(const QKeyEvent& event)
{
    const int key = event.key();
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return static_cast<char>('a' + (key - Qt::Key_A));
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return static_cast<char>('0' + (key - Qt::Key_0));
    const QString text = event.text();
    if (text.size() == 1 && text[0].unicode() > 0x20 && text[0].unicode() < 0x7F)
        return static_cast<char>(text[0].unicode());
    return 0;
}

bool HasMnemonic(Window& dialog, char letter)
{
    const char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(letter)));
    for (const auto& control : dialog.Children())
        if (control->IsVisibleFlag() && control->IsEnabled() && control->Mnemonic() == lower)
            return true;
    return false;
}

std::vector<Window*> LiveTopLevelWindows()
{
    std::vector<Window*> live;
    for (Window* window : TopLevelWindows())
        if (!window->IsDestroyed())
            live.push_back(window);
    return live;
}

QMessageBox::Icon MessageBoxIcon(UINT type)
{
    switch (type & MB_ICONMASK) {
    case MB_ICONEXCLAMATION:
        return QMessageBox::Warning;
    case MB_ICONHAND:
        return QMessageBox::Critical;
    case MB_ICONQUESTION:
        return QMessageBox::Question;
    case MB_ICONASTERISK:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

QMessageBox::StandardButtons MessageBoxButtons(UINT type)
{
    switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MB_YESNO:
        return QMessageBox::Yes | QMessageBox::No;
    default:
        return QMessageBox::Ok;
    }
}

int MessageBoxAnswer(QMessageBox::StandardButton button, UINT type)
{
    switch (button) {
    case QMessageBox::Ok:
        return IDOK;
    case QMessageBox::Cancel:
        return IDCANCEL;
    case QMessageBox::Yes:
        return IDYES;
    case QMessageBox::No:
        return IDNO;
    default:
        // Closed without a button: what Escape answers.
        return (type & MB_TYPEMASK) == MB_OK ? IDOK : IDCANCEL;
    }
}

// Runs a Qt dialog until it finishes, blocking nothing but what the model
// has disabled: the owner is disabled in the model, other windows stay usable.
void RunUntilFinished(QDialog& dialog)
{
    QEventLoop loop;
    QObject::connect(&dialog, &QDialog::finished, &loop, &QEventLoop::quit);
    dialog.setWindowModality(Qt::NonModal);
    dialog.show();
    if (dialog.isVisible())
        loop.exec();
}

}  // namespace

QtHost::QtHost()
{
    QApplication::setQuitOnLastWindowClosed(false);
}

QtHost::~QtHost()
{
    for (Window* window : TopLevelWindows()) {
        if (QWidget* frame = PeerOf(*window); frame && m_models.contains(frame)) {
            Forget(*window);
            window->SetPeer(nullptr);
            delete frame;
        }
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QWidget* QtHost::PeerOf(const Window& window)
{
    return static_cast<QWidget*>(window.Peer());
}

Window* QtHost::ModelOf(const QObject* peer) const
{
    return m_models.value(peer, nullptr);
}

void QtHost::DialogPainted(Window&) {}

// ---------------------------------------------------------------------------
// Peers

void QtHost::WindowCreated(Window& window)
{
    DialogFrame* owner = window.Owner() ? FrameOf(*window.Owner()) : nullptr;
    auto* frame = new DialogFrame(*this, owner, FrameFlags(window, owner != nullptr));
    ClientArea& client = frame->Client();
    client.setFont(FontFor(window.Font()).font);
    window.SetPeer(frame);
    Remember(*frame, window);
    Remember(client, window);
    // Keys reach the frame itself when no control holds Qt's focus.
    frame->installEventFilter(this);
    client.installEventFilter(this);

    std::vector<QWidget*> groupBoxes;
    for (const auto& child : window.Children()) {
        QWidget* widget = CreateControl(*child, client);
        if (child->IsGroupBox())
            groupBoxes.push_back(widget);
    }
    // A group box frames the controls drawn over it, so it lies beneath them.
    for (QWidget* box : groupBoxes)
        box->lower();

    MirrorMenuBar(window);
    MirrorText(window);
    MirrorIcon(window);
    MirrorEnabled(window);
    SizeFrame(*frame, window);
}

QWidget* QtHost::CreateControl(Window& control, ClientArea& client)
{
    QWidget* widget = nullptr;
    const DWORD style = control.Style();
    switch (control.Class()) {
    case WindowClass::Button:
        widget = CreateButton(control, client);
        break;
    case WindowClass::Static: {
        auto* label = new QLabel(&client);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        if (IsImageStatic(control)) {
            const QPixmap image = (style & SS_TYPEMASK) == SS_ICON
                                      ? IconPixmap(FindIcon(control.ImageId()), IconSize)
                                      : (FindBitmap(control.ImageId()) ? PixmapFrom(FindBitmap(control.ImageId())->image)
                                                                       : QPixmap());
            label->setPixmap(image);
        } else {
            label->setWordWrap((style & SS_TYPEMASK) == SS_LEFT);
        }
        widget = label;
        break;
    }
    case WindowClass::Edit:
        if (style & ES_MULTILINE) {
            auto* edit = new QPlainTextEdit(&client);
            // Without horizontal scrolling a multi-line edit wraps its lines.
            const bool wraps = !(style & (ES_AUTOHSCROLL | WS_HSCROLL));
            edit->setLineWrapMode(wraps ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
            edit->setHorizontalScrollBarPolicy((style & WS_HSCROLL) ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
            edit->setVerticalScrollBarPolicy((style & WS_VSCROLL) ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
            widget = edit;
        } else {
            widget = new QLineEdit(&client);
        }
        break;
    case WindowClass::Dialog:
        widget = new QWidget(&client);
        break;
    }
    control.SetPeer(widget);
    Remember(*widget, control);
    widget->installEventFilter(this);
    MirrorStyle(control);
    MirrorText(control);
    MirrorCheck(control);
    MirrorEnabled(control);
    MirrorGeometry(control);
    widget->setVisible(control.IsVisibleFlag());
    return widget;
}

QWidget* QtHost::CreateButton(Window& control, ClientArea& client)
{
    const DWORD style = control.Style();
    const DWORD kind = style & BS_TYPEMASK;
    if (kind == BS_GROUPBOX)
        return new QGroupBox(&client);

    QAbstractButton* button = nullptr;
    const bool pushLike = style & BS_PUSHLIKE;
    if (control.IsRadioButton() && !pushLike) {
        auto* radio = new ModelCheckedButton<QRadioButton>(&client);
        radio->setAutoExclusive(false);  // The model keeps the group exclusive.
        button = radio;
    } else if (control.IsCheckable() && !pushLike) {
        button = new ModelCheckedButton<QCheckBox>(&client);
    } else if (control.IsCheckable()) {
        button = new ModelCheckedButton<QPushButton>(&client);
        button->setCheckable(true);  // Drawn pressed while checked, raised otherwise.
    } else {
        button = new QPushButton(&client);
    }
    connect(button, &QAbstractButton::clicked, this, [this, button] {
        if (Window* model = ModelOf(button))
            Click(*model);
    });
    return button;
}

void QtHost::Remember(const QObject& peer, Window& window)
{
    m_models.insert(&peer, &window);
}

void QtHost::Forget(Window& window)
{
    if (QWidget* peer = PeerOf(window)) {
        m_models.remove(peer);
        if (DialogFrame* frame = FrameOf(window))
            m_models.remove(&frame->Client());
    }
    for (const auto& child : window.Children()) {
        Forget(*child);
        child->SetPeer(nullptr);
    }
}

void QtHost::WindowDestroyed(Window& window)
{
    QWidget* peer = PeerOf(window);
    if (!peer || !m_models.contains(peer))
        return;
    if (auto loop = m_modalLoops.find(&window); loop != m_modalLoops.end()) {
        loop->second->exit();
        m_modalLoops.erase(loop);
    }
    Forget(window);
    // The widget may be in the middle of reporting the input that destroyed
    // its window; it goes once control is back in the event loop.
    peer->hide();
    peer->deleteLater();
    if (m_messageLoop) {
        const std::vector<Window*> left = LiveTopLevelWindows();
        if (left.empty() || (left.size() == 1 && left.front() == &window))
            m_messageLoop->quit();
    }
}

// ---------------------------------------------------------------------------
// Mirroring the model

void QtHost::WindowChanged(Window& window, Change change)
{
    if (!PeerOf(window) || !m_models.contains(PeerOf(window)))
        return;
    switch (change) {
    case Change::Text:
        MirrorText(window);
        break;
    case Change::Visible:
        MirrorVisible(window);
        break;
    case Change::Enabled:
        MirrorEnabled(window);
        break;
    case Change::Check:
        MirrorCheck(window);
        break;
    case Change::Focus:
        MirrorFocus(window.TopLevel());
        break;
    case Change::Style:
        MirrorStyle(window);
        MirrorText(window);
        break;
    case Change::Geometry:
        MirrorGeometry(window);
        break;
    case Change::MenuBar:
        MirrorMenuBar(window);
        break;
    case Change::SystemMenu:
        break;  // Built afresh each time it opens.
    case Change::Icon:
        MirrorIcon(window);
        break;
    case Change::Minimized:
        MirrorMinimized(window);
        break;
    }
}

void QtHost::MirrorText(Window& window)
{
    QWidget* peer = PeerOf(window);
    const QString text = FromBytes(window.Text());
    if (window.Class() == WindowClass::Dialog) {
        peer->setWindowTitle(LiteralWindowTitle(text));
    } else if (auto* box = qobject_cast<QGroupBox*>(peer)) {
        // A Qt group box would turn a mnemonic into a shortcut of its own.
        box->setTitle(WithLiteralAmpersands(WithoutMnemonic(text)));
    } else if (auto* button = qobject_cast<QAbstractButton*>(peer)) {
        button->setText((window.Style() & BS_NOPREFIX) ? WithLiteralAmpersands(text) : text);
        // Keep the underlined letter but not Qt's own Alt shortcut: the
        // model handles mnemonics.
        button->setShortcut(QKeySequence());
    } else if (auto* label = qobject_cast<QLabel*>(peer)) {
        if (!IsImageStatic(window))
            label->setText((window.Style() & SS_NOPREFIX) ? text : WithoutMnemonic(text));
    } else if (auto* edit = qobject_cast<QPlainTextEdit*>(peer)) {
        edit->setPlainText(EditText(text));
    } else if (auto* line = qobject_cast<QLineEdit*>(peer)) {
        line->setText(text);
    }
}

void QtHost::MirrorVisible(Window& window)
{
    QWidget* peer = PeerOf(window);
    DialogFrame* frame = FrameOf(window);
    if (!frame) {
        peer->setVisible(window.IsVisibleFlag());
        return;
    }
    if (!window.IsVisibleFlag()) {
        frame->hide();
        return;
    }
    if (!frame->IsPlaced()) {
        PlaceFrame(*frame, window);
        frame->MarkPlaced();
    }
    if (window.IsMinimized())
        frame->showMinimized();
    else
        frame->show();
    frame->activateWindow();
    ReportGeometry(*frame);
    MirrorFocus(window);
}

void QtHost::MirrorEnabled(Window& window)
{
    if (DialogFrame* frame = FrameOf(window)) {
        // Only the dialog's own contents: Qt would also disable the windows it owns.
        frame->Client().setEnabled(window.IsEnabled());
        if (frame->MenuBar())
            frame->MenuBar()->setEnabled(window.IsEnabled());
        return;
    }
    PeerOf(window)->setEnabled(window.IsEnabled());
}

void QtHost::MirrorCheck(Window& window)
{
    if (auto* button = qobject_cast<QAbstractButton*>(PeerOf(window)); button && button->isCheckable())
        button->setChecked(window.Check() == BST_CHECKED);
}

void QtHost::MirrorStyle(Window& window)
{
    QWidget* peer = PeerOf(window);
    const DWORD style = window.Style();
    if (auto* button = qobject_cast<QPushButton*>(peer); button && !button->isCheckable()) {
        button->setDefault(window.IsDefaultPushButton());
        button->setAutoDefault(false);
    } else if (auto* edit = qobject_cast<QPlainTextEdit*>(peer)) {
        const bool readOnly = style & ES_READONLY;
        edit->setReadOnly(readOnly);
        if (readOnly)
            edit->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        const bool framed = (style & WS_BORDER) || (window.ExStyle() & WS_EX_CLIENTEDGE);
        edit->setFrameShape(framed ? QFrame::StyledPanel : QFrame::NoFrame);
        // A read-only edit shows the dialog's background, as on the desktop
        // the model stands for.
        QPalette palette = edit->palette();
        palette.setBrush(QPalette::Base, readOnly ? edit->parentWidget()->palette().brush(QPalette::Window)
                                                  : QApplication::palette(edit).brush(QPalette::Base));
        edit->setPalette(palette);
    } else if (auto* line = qobject_cast<QLineEdit*>(peer)) {
        line->setReadOnly(style & ES_READONLY);
        line->setFrame((style & WS_BORDER) || (window.ExStyle() & WS_EX_CLIENTEDGE));
    }
}

void QtHost::MirrorGeometry(Window& window)
{
    QWidget* peer = PeerOf(window);
    if (DialogFrame* frame = FrameOf(window)) {
        if (m_reportingGeometry)
            return;  // The change came from the frame itself.
        SizeFrame(*frame, window);
        const int menu = frame->MenuBarHeight(window.Rect().Width());
        frame->setGeometry(QRect(QPoint(window.Rect().left, window.Rect().top - menu), frame->size()));
        return;
    }
    QRect rect = ToQRect(window.Rect());
    // A picture static takes the size of its picture, wherever the template puts it.
    if (auto* label = qobject_cast<QLabel*>(peer); label && IsImageStatic(window) && !label->pixmap().isNull())
        rect.setSize(label->pixmap().deviceIndependentSize().toSize());
    peer->setGeometry(rect);
}

void QtHost::MirrorIcon(Window& window)
{
    if (DialogFrame* frame = FrameOf(window))
        frame->setWindowIcon(WindowIcon(window.Icon(ICON_BIG), window.Icon(ICON_SMALL)));
}

void QtHost::MirrorMenuBar(Window& window)
{
    DialogFrame* frame = FrameOf(window);
    if (!frame || !window.MenuBar())
        return;
    if (!frame->MenuBar()) {
        QMenuBar& bar = frame->AddMenuBar();
        connect(&bar, &QMenuBar::triggered, this, [this, frame](QAction* action) {
            MenuBarChosen(*frame, MenuMirror::CommandOf(*action));
        });
        MenuMirror::Fill(bar, *window.MenuBar());
        bar.setEnabled(window.IsEnabled());
        return;
    }
    MenuMirror::Sync(*frame->MenuBar(), *window.MenuBar());
}

void QtHost::MirrorMinimized(Window& window)
{
    DialogFrame* frame = FrameOf(window);
    if (!frame || !frame->isVisible() || frame->isMinimized() == window.IsMinimized())
        return;
    if (window.IsMinimized())
        frame->showMinimized();
    else
        frame->showNormal();
}

void QtHost::MirrorFocus(Window& dialog)
{
    DialogFrame* frame = FrameOf(dialog);
    if (!frame)
        return;
    Window* focus = dialog.FocusedChild();
    QWidget* target = focus ? PeerOf(*focus) : nullptr;
    if (!target || !m_models.contains(target) || !target->isEnabled() || !target->isVisibleTo(frame))
        target = frame;
    if (frame->focusWidget() == target && (target->hasFocus() || !frame->isActiveWindow()))
        return;
    QScopedValueRollback<bool> mirroring(m_mirroringFocus, true);
    target->setFocus(m_keyboardInput ? Qt::TabFocusReason : Qt::OtherFocusReason);
}

void QtHost::MirrorFocusLater(DialogFrame& frame)
{
    QMetaObject::invokeMethod(
        this,
        [this, frame = QPointer<DialogFrame>(&frame)] {
            if (frame)
                if (Window* dialog = ModelOf(frame))
                    MirrorFocus(*dialog);
        },
        Qt::QueuedConnection);
}

void QtHost::SizeFrame(DialogFrame& frame, const Window& dialog)
{
    const int width = dialog.Rect().Width();
    const QSize size(width, dialog.Rect().Height() + frame.MenuBarHeight(width));
    if (dialog.Style() & WS_THICKFRAME)
        frame.resize(size);  // Resizable, but the controls stay where they are.
    else
        frame.setFixedSize(size);
}

void QtHost::PlaceFrame(DialogFrame& frame, Window& dialog)
{
    const DWORD style = dialog.Style();
    DialogFrame* owner = dialog.Owner() ? FrameOf(*dialog.Owner()) : nullptr;
    if (style & DS_CENTER) {
        const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
        QRect placed(QPoint(), frame.size());
        placed.moveCenter(screen->availableGeometry().center());
        frame.setGeometry(placed);
    } else if (owner && !dialog.Run().modal && !(style & DS_ABSALIGN)) {
        // A modeless owned window opens with its frame at the owner's client
        // origin, moved by the template's offset.
        const BaseUnits units = FontFor(dialog.Font()).units;
        const RECT offset = dialog.DialogUnitRect();
        const QPoint origin = owner->Client().mapToGlobal(QPoint(0, 0));
        frame.move(origin + QPoint(MulDiv(offset.left, units.x, 4), MulDiv(offset.top, units.y, 8)));
    } else {
        const int menu = frame.MenuBarHeight(dialog.Rect().Width());
        frame.setGeometry(QRect(QPoint(dialog.Rect().left, dialog.Rect().top - menu), frame.size()));
    }
}

void QtHost::ReportGeometry(DialogFrame& frame)
{
    Window* dialog = ModelOf(&frame);
    if (!dialog || !frame.isVisible() || m_reportingGeometry)
        return;
    const QPoint origin = frame.Client().mapToGlobal(QPoint(0, 0));
    const QSize size = frame.Client().size();
    QScopedValueRollback<bool> reporting(m_reportingGeometry, true);
    dialog->SetRect(RECT{origin.x(), origin.y(), origin.x() + size.width(), origin.y() + size.height()});
}

const QtHost::DialogFontInfo& QtHost::FontFor(const FontSpec& spec)
{
    const FontKey key{spec.faceName ? spec.faceName : "", spec.pointSize, spec.weight, spec.italic};
    auto found = m_fonts.find(key);
    if (found == m_fonts.end()) {
        const QFont font = DialogFont(spec);
        found = m_fonts.emplace(key, DialogFontInfo{font, MeasureBaseUnits(font)}).first;
    }
    return found->second;
}

// ---------------------------------------------------------------------------
// Reports from Qt

bool QtHost::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress:
        if (Window* window = ModelOf(watched))
            return RouteKey(*window, static_cast<QKeyEvent&>(*event));
        break;
    case QEvent::FocusIn:
        if (Window* window = ModelOf(watched))
            FocusArrived(*window, static_cast<QFocusEvent&>(*event).reason());
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

bool QtHost::RouteKey(Window& window, QKeyEvent& event)
{
    const Qt::KeyboardModifiers held = event.modifiers();
    if (held & (Qt::ControlModifier | Qt::MetaModifier))
        return false;  // Copying from an edit and the desktop's own shortcuts.
    const bool alt = held & Qt::AltModifier;
    // A shortcut override only asks whether the key is ours, so that neither
    // Qt's shortcuts nor the menu bar take a key that the dialog will handle.
    const bool askingOnly = event.type() == QEvent::ShortcutOverride;

    if (const std::optional<Key> key = DialogKey(event.key()); key && !alt) {
        if (askingOnly) {
            if (!DialogAlwaysTakes(*key))
                return false;
            event.accept();
            return true;
        }
        Modifiers modifiers = Modifiers::None;
        if ((held & Qt::ShiftModifier) || event.key() == Qt::Key_Backtab)
            modifiers = Modifiers::Shift;
        QScopedValueRollback<bool> keyboard(m_keyboardInput, true);
        const bool taken = PressKey(window, *key, modifiers);
        return taken || DialogAlwaysTakes(*key);
    }

    const char character = KeyCharacter(event);
    if (!character)
        return false;
    if (askingOnly) {
        if (!alt || !AcceptsInput(window.TopLevel()) || !HasMnemonic(window.TopLevel(), character))
            return false;  // Alt+letter with no control of ours goes to the menu bar.
        event.accept();
        return true;
    }
    QScopedValueRollback<bool> keyboard(m_keyboardInput, true);
    return PressCharacter(window, character, alt ? Modifiers::Alt : Modifiers::None);
}

void QtHost::FocusArrived(Window& window, Qt::FocusReason reason)
{
    if (m_mirroringFocus)
        return;
    if (reason == Qt::MouseFocusReason) {
        // A click gives the control the focus at once, an edit included.
        if (window.Class() != WindowClass::Dialog && AcceptsInput(window))
            SetFocus(&window);
        return;
    }
    // Qt moved its focus on its own (a control was hidden or disabled, or the
    // window was activated): show the model's focus again.
    Window& dialog = window.TopLevel();
    const Window* modelFocus = dialog.FocusedChild() ? dialog.FocusedChild() : &dialog;
    if (modelFocus != &window)
        if (DialogFrame* frame = FrameOf(dialog))
            MirrorFocusLater(*frame);
}

void QtHost::CloseBoxPressed(DialogFrame& frame)
{
    if (Window* dialog = ModelOf(&frame))
        PressCloseBox(*dialog);
}

void QtHost::FrameStateChanged(DialogFrame& frame)
{
    Window* dialog = ModelOf(&frame);
    if (!dialog || !frame.isVisible() || frame.isMinimized() == dialog->IsMinimized())
        return;
    // The window manager minimised or restored the window: the model hears
    // it as the desktop's own system command, whatever state it is in.
    SendMessage(*dialog, WM_SYSCOMMAND, frame.isMinimized() ? SC_MINIMIZE : SC_RESTORE, 0);
    if ((dialog = ModelOf(&frame)))
        MirrorMinimized(*dialog);
}

void QtHost::FrameActivated(DialogFrame& frame)
{
    if (Window* dialog = ModelOf(&frame)) {
        SetActiveWindow(dialog);
        MirrorFocusLater(frame);
    }
}

void QtHost::FrameGeometryChanged(DialogFrame& frame)
{
    ReportGeometry(frame);
}

void QtHost::PaintClient(ClientArea& client, QPainter& painter)
{
    Window* dialog = ModelOf(&client);
    if (!dialog)
        return;
    {
        QScopedValueRollback<QPainter*> painting(m_painter, &painter);
        QScopedValueRollback<const Window*> painted(m_paintedDialog, dialog);
        SendMessage(*dialog, WM_PAINT, 0, 0);
    }
    if ((dialog = ModelOf(&client)))
        DialogPainted(*dialog);
}

void QtHost::OpenSystemMenu(ClientArea& client, const QPoint& globalPosition, QWidget* under)
{
    Window* dialog = ModelOf(&client);
    if (!dialog || !dialog->SystemMenu() || !AcceptsInput(*dialog))
        return;
    // Only the dialog's background: a control under the pointer keeps the click.
    for (QWidget* w = under; w && w != &client; w = w->parentWidget())
        if (Window* control = ModelOf(w)) {
            if (!control->IsStaticLike())
                return;
            break;
        }
    QMenu menu;  // No parent: the dialog may be gone by the time the menu closes.
    MenuMirror::Fill(menu, *dialog->SystemMenu());
    const QAction* chosen = menu.exec(globalPosition);
    const UINT command = chosen ? MenuMirror::CommandOf(*chosen) : 0;
    if (command)
        if ((dialog = ModelOf(&client)))
            ChooseSystemMenuItem(*dialog, command);
}

void QtHost::MenuBarChosen(DialogFrame& frame, UINT command)
{
    Window* dialog = ModelOf(&frame);
    if (!dialog)
        return;
    if (command)
        ChooseMenuItem(*dialog, command);
    // Qt toggles a checkable action by itself; the model's marks win.
    if ((dialog = ModelOf(&frame)) && dialog->MenuBar() && frame.MenuBar())
        MenuMirror::Sync(*frame.MenuBar(), *dialog->MenuBar());
}

// ---------------------------------------------------------------------------
// Loops and the desktop's own dialogs

void QtHost::RunModalLoop(Window& dialog)
{
    if (dialog.Run().ended)
        return;
    QEventLoop loop;
    m_modalLoops[&dialog] = &loop;
    loop.exec();
    m_modalLoops.erase(&dialog);
}

void QtHost::EndModalLoop(Window& dialog)
{
    if (auto loop = m_modalLoops.find(&dialog); loop != m_modalLoops.end())
        loop->second->exit();
}

void QtHost::RunMessageLoop()
{
    if (LiveTopLevelWindows().empty())
        return;
    QEventLoop loop;
    QScopedValueRollback<QEventLoop*> running(m_messageLoop, &loop);
    loop.exec();
}

int QtHost::ShowMessageBox(const MessageBoxRequest& request)
{
    QWidget* owner = request.owner ? FrameOf(*request.owner) : nullptr;
    QMessageBox box(MessageBoxIcon(request.type), LiteralWindowTitle(FromBytes(request.caption)),
                    FromBytes(request.text), MessageBoxButtons(request.type), owner);
    box.setTextFormat(Qt::PlainText);
    RunUntilFinished(box);
    return MessageBoxAnswer(box.standardButton(box.clickedButton()), request.type);
}

std::optional<std::string> QtHost::ShowFileDialog(Window* owner, const FileDialogRequest& request)
{
    QFileDialog dialog(owner ? FrameOf(*owner) : nullptr, request.openDialog ? QStringLiteral("Open")
                                                                             : QStringLiteral("Save As"));
    dialog.setAcceptMode(request.openDialog ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(request.openDialog && (request.flags & OFN_FILEMUSTEXIST) ? QFileDialog::ExistingFile
                                                                               : QFileDialog::AnyFile);
    const QStringList filters = NameFilters(request.filters);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        dialog.selectNameFilter(filters.front());
    }
    // Qt adds the suffix only to a name without one, as the model does, so
    // the two never double it.
    QString suffix = FromBytes(request.defaultExtension);
    if (suffix.startsWith(u'.'))
        suffix.remove(0, 1);
    dialog.setDefaultSuffix(suffix);
    if (!request.fileName.empty())
        dialog.selectFile(FromBytes(request.fileName));
    RunUntilFinished(dialog);
    if (dialog.result() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return PathBytes(dialog.selectedFiles().front());
}

// ---------------------------------------------------------------------------
// Facts of the screen

BaseUnits QtHost::DialogBaseUnits(const FontSpec& font)
{
    return FontFor(font).units;
}

int QtHost::SystemMetric(int index)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    switch (index) {
    case SM_CXSCREEN:
        return screen ? screen->geometry().width() : 0;
    case SM_CYSCREEN:
        return screen ? screen->geometry().height() : 0;
    default:
        return 0;
    }
}

RECT QtHost::WorkArea()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    return RECT{area.left(), area.top(), area.left() + area.width(), area.top() + area.height()};
}

void QtHost::DrawIcon(Window& window, int x, int y, HICON icon)
{
    // Icons are drawn only as part of painting the window they belong to.
    if (m_painter && m_paintedDialog == &window.TopLevel())
        m_painter->drawPixmap(x, y, IconPixmap(icon, IconSize));
}

void QtHost::Beep()
{
    QApplication::beep();
}

}  // namespace platform
