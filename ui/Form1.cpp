// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Form1.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QScopedValueRollback>
#include <QScreen>
#include <QUrl>
#include <algorithm>
#include <cmath>
#include <utility>

#include "game/GameKeeping.h"
#include "game/GameMenu.h"
#include "game/KeptGame.h"
#include "game/KeyboardAids.h"
#include "game/KeyboardPlay.h"
#include "game/MainWindow.h"
#include "game/Paths.h"
#include "game/PictureLoading.h"
#include "game/PointerPlay.h"
#include "game/Slippery.h"
#include "ui/DragCursors.h"
#include "ui/Form2.h"
#include "ui/FormMorvelin.h"
#include "ui/Resources.h"

namespace quilto {
namespace {

QIcon ProgramIcon() {
    QIcon icon;
    for (const char* name : {":/quilto.png", ":/quilto-256.png"})
        if (QFile::exists(QString::fromLatin1(name))) icon.addFile(QString::fromLatin1(name));
    return icon;
}

// The game's code of a key it has a use for, or 0.
int GameKey(int qtKey) {
    switch (qtKey) {
        case Qt::Key_F5:
            return kKeyF5;
        case Qt::Key_F6:
            return kKeyF6;
        case Qt::Key_F7:
            return kKeyF7;
        case Qt::Key_F8:
            return kKeyF8;
        case Qt::Key_Left:
            return kKeyLeft;
        case Qt::Key_Up:
            return kKeyUp;
        case Qt::Key_Right:
            return kKeyRight;
        case Qt::Key_Down:
            return kKeyDown;
        case Qt::Key_Space:
            return kKeySpace;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return kKeyEnter;
        case Qt::Key_Escape:
            return kKeyEscape;
        default:
            return 0;
    }
}

// The file a drop carries, in the system's spelling, or "" when it
// carries none.
std::string DroppedFile(const QMimeData* mime) {
    if (!mime || !mime->hasUrls() || mime->urls().isEmpty()) return {};
    const QUrl url = mime->urls().first();
    return url.isLocalFile() ? QDir::toNativeSeparators(url.toLocalFile()).toStdString() : std::string();
}

}  // namespace

Form1::Form1(GameState& g, const std::string& appDir, BoardCanvas::PictureLookup pictures)
    : g_(g), canvas_(new BoardCanvas(g, std::move(pictures), this)) {
    InitQuiltoResources();
    InitElements(g_.win);
    Form_Load(g_, appDir);

    setWindowTitle(QStringLiteral("Quilto 1.0"));
    setWindowIcon(ProgramIcon());
    setCentralWidget(canvas_);
    setAcceptDrops(true);
    BuildMenu();

    timer1_.setInterval(g_.win.Timer1.IntervalMs);
    connect(&timer1_, &QTimer::timeout, this, [this] { Run([this] { Timer1_Timer(g_); }); });
    ConnectPointer();
    qApp->installEventFilter(this);
    layoutFallback_.setSingleShot(true);
    layoutFallback_.setInterval(300);
    connect(&layoutFallback_, &QTimer::timeout, this, &Form1::LayOutWithoutWindowManager);
    keepTimer_.setSingleShot(true);
    connect(&keepTimer_, &QTimer::timeout, this, [this] { Run([] {}); });
    // The program ends (its window closed, the system asking, the desktop
    // session ending): the game in progress is kept as it stands.
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] { KeepGameNow(g_); });
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this] {
        if (!running_) KeepGameNow(g_);
    });
    g_.ShowConfiguration = [this] {
        Sync();  // a paused timer stays paused while the dialog is open
        ConfigurationDialog()->ShowModal();
        Sync();
    };
    Sync();
}

Form1::~Form1() {
    g_.ShowConfiguration = nullptr;
}

Form2* Form1::ConfigurationDialog() {
    if (!form2_) form2_ = new Form2(g_, this);
    return form2_;
}

QSize Form1::LargestBoardPixels() const {
    qreal ratio = devicePixelRatioF();
    QSize available;
    for (const QScreen* s : QGuiApplication::screens()) {
        ratio = std::max(ratio, s->devicePixelRatio());
        available = available.expandedTo(s->availableGeometry().size());
    }
    const QSizeF pixels =
        g_.fLayoutPending ? QSizeF(available) : QSizeF(g_.BoardWidth, g_.BoardHeight) / qreal(kUnitsPerPixel);
    return {int(std::ceil(pixels.width() * ratio)), int(std::ceil(pixels.height() * ratio))};
}

void Form1::BuildMenu() {
    QMenu* juego = menuBar()->addMenu(QStringLiteral("Juego"));
    MnuNew = juego->addAction(QStringLiteral("Nuevo"));
    MnuNew->setShortcut(Qt::Key_F2);
    MnuLoad = juego->addAction(QStringLiteral("Cargar imagen"));
    MnuLoad->setShortcut(Qt::Key_F3);
    MnuConf = juego->addAction(QStringLiteral("Configuración"));
    MnuConf->setShortcut(Qt::Key_F4);
    juego->addSeparator();
    MnuContinue = juego->addAction(QStringLiteral("Continuar partida"));
    MnuContinue->setShortcut(Qt::CTRL | Qt::Key_R);
    MnuSave = juego->addAction(QStringLiteral("Guardar partida..."));
    MnuSave->setShortcut(Qt::CTRL | Qt::Key_S);
    MnuOpen = juego->addAction(QStringLiteral("Abrir partida..."));
    MnuOpen->setShortcut(Qt::CTRL | Qt::Key_O);

    QMenu* ayuda = menuBar()->addMenu(QStringLiteral("Ayuda"));
    MnuHow = ayuda->addAction(QStringLiteral("Como Jugar"));
    MnuInfo = ayuda->addAction(QStringLiteral("Acerca de..."));

    connect(MnuNew, &QAction::triggered, this, [this] { Run([this] { MnuNew_Click(g_); }); });
    connect(MnuLoad, &QAction::triggered, this, [this] { Run([this] { MnuLoad_Click(g_); }); });
    connect(MnuConf, &QAction::triggered, this, [this] { Run([this] { MnuConf_Click(g_); }); });
    connect(MnuContinue, &QAction::triggered, this, [this] { Run([this] { MnuContinue_Click(g_); }); });
    connect(MnuSave, &QAction::triggered, this, [this] { Run([this] { MnuSave_Click(g_); }); });
    connect(MnuOpen, &QAction::triggered, this, [this] { Run([this] { MnuOpen_Click(g_); }); });
    connect(MnuHow, &QAction::triggered, this,
            [this] { g_.platform.ShellOpen(kHelpFileName, WithoutTrailingSeparator(g_.AppDir)); });
    // Not a game command: the slippery pieces keep moving under the box. A
    // drag ends as the box opens, as under the game's own boxes. Like a
    // command, it is dropped while another one waits in its pass of events.
    connect(MnuInfo, &QAction::triggered, this, [this] {
        if (running_) return;
        Run([this] { EndDrag(g_); });
        FormMorvelin::ShowModal(g_.platform, g_.AppDir, this);
        Run([] {});
    });
}

template <typename F>
void Form1::Run(F&& command) {
    // A command pressed while another one waits in its pass of pending
    // events (the busy caption) is dropped, not run inside it.
    if (running_) return;
    const QScopedValueRollback<bool> running(running_, true);
    command();
    HandOverLostReleases();
    KeepGame(g_);
    Sync();
}

void Form1::HandOverLostReleases() {
    const QSet<int> released = std::exchange(lostReleases_, {});
    for (const int code : released) Form_KeyUp(g_, code);
}

void Form1::ConnectPointer() {
    const auto at = [](QPointF units) {
        return std::pair(static_cast<float>(units.x()), static_cast<float>(units.y()));
    };
    connect(canvas_, &BoardCanvas::pointerPressed, this, [this, at](int button, bool othersHeld, QPointF units) {
        pointerAt_ = units;
        Run([&] { router_.Press(g_, button, othersHeld, at(units).first, at(units).second); });
    });
    connect(canvas_, &BoardCanvas::pointerMoved, this, [this, at](QPointF units) {
        pointerAt_ = units;
        Run([&] { router_.Move(g_, at(units).first, at(units).second); });
    });
    connect(canvas_, &BoardCanvas::pointerReleased, this, [this, at](int button, QPointF units) {
        pointerAt_ = units;
        Run([&] { router_.Release(g_, button, at(units).first, at(units).second); });
    });
}

void Form1::ShowPointer() {
    const Cursor wanted = router_.CursorAt(g_, static_cast<float>(pointerAt_.x()), static_cast<float>(pointerAt_.y()));
    // Drawn only when it changes, not at every move of a drag.
    if (wanted == shownPointer_) return;
    shownPointer_ = wanted;
    if (wanted == Cursor::Default)
        canvas_->unsetCursor();
    else
        canvas_->setCursor(ToQCursor(wanted, devicePixelRatioF()));
}

bool Form1::BelongsHere(QObject* o) const {
    for (; o; o = o->parent())
        if (o == this) return true;
    return false;
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease) return QMainWindow::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    const int code = GameKey(key->key());
    if (code == 0) return QMainWindow::eventFilter(watched, event);
    const bool ours = !QApplication::activeModalWidget() && BelongsHere(watched);
    if (IsPlayKey(code)) {
        // An open menu, and the menu bar walked with the keys, keep their
        // arrows, Enter and Esc; so do keys held with Ctrl, Alt or Meta.
        const bool modified = key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
        if (!ours || modified || QApplication::activePopupWidget() || menuBar()->activeAction())
            return QMainWindow::eventFilter(watched, event);
        if (type == QEvent::KeyPress) Run([&] { PlayKeyDown(g_, code, key->isAutoRepeat()); });
        return true;
    }
    // A held key repeats its press only; the releases the system puts
    // between the repeats are not the key coming up.
    const bool comingUp = type == QEvent::KeyRelease && !key->isAutoRepeat();
    // A key held down when a box or dialog opened comes up inside it; the
    // marks or the finished picture it shows go once the box is gone.
    if (comingUp && keysDown_.remove(code) && (!ours || running_)) {
        lostReleases_.insert(code);
        return ours || QMainWindow::eventFilter(watched, event);
    }
    // Other keys typed into a modal dialog or another window are theirs.
    if (!ours) return QMainWindow::eventFilter(watched, event);
    if (type == QEvent::KeyPress) {
        if (!running_) keysDown_.insert(code);
        Run([&] { Form_KeyDown(g_, code); });
    } else if (comingUp) {
        Run([&] { Form_KeyUp(g_, code); });
    }
    return true;
}

void Form1::Sync() {
    canvas_->Sync();
    if (MnuSave) MnuSave->setEnabled(CanSaveGame(g_));
    if (MnuContinue) MnuContinue->setEnabled(CanContinueGame(g_));
    // A change waiting to be kept is written when its time comes, through
    // Run like any command: never in the middle of one.
    if (const double in = SecondsUntilKept(g_); in >= 0 && !keepTimer_.isActive())
        keepTimer_.start(static_cast<int>(in * 1000) + 1);
    if (const bool runs = Timer1Runs(g_); runs != timer1_.isActive()) {
        if (runs)
            timer1_.start();
        else
            timer1_.stop();
    }
    ShowPointer();
}

void Form1::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) Form_Resize();
}

void Form1::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

WindowState Form1::State() const {
    if (isMinimized()) return WindowState::Minimized;
    if (isMaximized() || isFullScreen()) return WindowState::Maximized;
    return WindowState::Normal;
}

// Whether the window covers the screen's available area, as a maximized
// window does once the window manager has placed it.
bool Form1::CoversAvailableArea() const {
    if (!screen()) return true;
    const QSize outer = frameGeometry().size(), avail = screen()->availableGeometry().size();
    return outer.width() >= avail.width() - 64 && outer.height() >= avail.height() - 64;
}

void Form1::Form_Resize() {
    const WindowState state = State();
    // The board frame is laid out from the maximized window's outer size, so
    // it waits until the window is shown and the window manager has maximized
    // it. Where none does (a bare X server), the fallback below takes over.
    if (g_.fLayoutPending && (!isVisible() || (state == WindowState::Maximized && !CoversAvailableArea()))) {
        layoutFallback_.start();
        return;
    }
    if (isVisible()) LayOut(state, frameGeometry().size());
}

void Form1::LayOut(WindowState state, QSize outer) {
    const auto units = static_cast<float>(kUnitsPerPixel);
    if (quilto::Form_Resize(g_, state, outer.width() * units, outer.height() * units))
        QMetaObject::invokeMethod(
            this, [this] { setWindowState(windowState() | Qt::WindowMaximized); }, Qt::QueuedConnection);
    Sync();
    if (!g_.fLayoutPending && !gameToOpen_.empty()) OpenWhenLaidOut(std::exchange(gameToOpen_, {}));
}

void Form1::OpenWhenLaidOut(const std::string& path) {
    if (g_.fLayoutPending) {
        gameToOpen_ = path;
        return;
    }
    QMetaObject::invokeMethod(
        this, [this, path] { Run([this, &path] { OpenSavedGame(g_, path); }); }, Qt::QueuedConnection);
}

// Nothing maximized the window: it takes the screen's available area itself,
// which is the size it would have had.
void Form1::LayOutWithoutWindowManager() {
    if (!g_.fLayoutPending || State() != WindowState::Maximized || !screen()) return;
    const QRect avail = screen()->availableGeometry();
    const QMargins frame(geometry().left() - frameGeometry().left(), geometry().top() - frameGeometry().top(),
                         frameGeometry().right() - geometry().right(), frameGeometry().bottom() - geometry().bottom());
    setGeometry(avail.marginsRemoved(frame));
    LayOut(WindowState::Maximized, avail.size());
}

void Form1::closeEvent(QCloseEvent* event) {
    // Closing the window ends the program at once; nothing is asked. The
    // game in progress is kept as it stands.
    if (!running_) KeepGameNow(g_);
    event->accept();
    QCoreApplication::quit();
}

void Form1::dragEnterEvent(QDragEnterEvent* event) {
    if (!DroppedFile(event->mimeData()).empty()) event->acceptProposedAction();
}

void Form1::dropEvent(QDropEvent* event) {
    const std::string file = DroppedFile(event->mimeData());
    if (file.empty()) return;
    event->acceptProposedAction();
    // The drop is answered at once; the loading, with its questions and
    // dialogs, runs after it.
    QMetaObject::invokeMethod(
        this,
        [this, file] {
            Run([this, &file] {
                // A saved game opens as "Abrir partida..." would open it.
                if (IsSavedGameName(file))
                    OpenSavedGame(g_, file);
                else
                    LoadPictureFile(g_, file);
            });
        },
        Qt::QueuedConnection);
}

}  // namespace quilto
