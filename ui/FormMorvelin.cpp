// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/FormMorvelin.h"

#include <QFrame>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <algorithm>
#include <cmath>

#include "game/Elements.h"
#include "game/Paths.h"
#include "ui/Resources.h"

namespace quilto {
namespace {

const QColor kWhite(255, 255, 255);
const QColor kGrey(192, 192, 192);
const QColor kLink(51, 153, 255);
const QColor kLightYellow(255, 255, 192);

// Where Arial is missing, fontconfig offers the nearest font of its metrics.
QFont Arial(double points) {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    return font;
}

// Arial Black where it is installed, otherwise the heaviest Arial or its
// nearest stand-in.
QFont ArialBlack(double points) {
    QFont font(QStringLiteral("Arial Black"));
    font.setWeight(QFont::Black);
    font.setPointSizeF(points);
    if (!QFontInfo(font).family().startsWith(font.family(), Qt::CaseInsensitive))
        font.setFamily(QStringLiteral("Arial"));
    return font;
}

QLabel* TextLabel(const QString& name, const QString& text, const QFont& font, const QColor& colour, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QLabel* PictureLabel(const QString& name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setScaledContents(true);
    return label;
}

// How much the whole box must grow for a label's text to fit its box of
// width x height window units. One line is centred vertically and may not
// cut the ink of its glyphs; a paragraph wraps at the box's width.
double NeededScale(const QLabel& label, int width, int height) {
    const QFontMetricsF fm(label.font());
    const QString text = label.text();
    const double w = width / double(kUnitsPerPixel), h = height / double(kUnitsPerPixel);
    if (label.wordWrap()) {
        double scale = 1.0;
        while (scale < 4.0 &&
               fm.boundingRect(QRectF(0, 0, w * scale, 1e6), Qt::TextWordWrap, text).height() > h * scale)
            scale += 0.01;
        return scale;
    }
    const QRectF ink = fm.tightBoundingRect(text);
    const double line = fm.height(), ascent = fm.ascent();
    const double needH = std::max(line - 2 * (ascent + ink.top()), 2 * (ascent + ink.bottom()) - line);
    return std::max({1.0, fm.horizontalAdvance(text) / w, needH / h});
}

}  // namespace

FormMorvelin::FormMorvelin(Platform& platform, const std::string& appDir, QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::FramelessWindowHint),
      platform_(platform),
      appDir_(appDir),
      mainWindow_(mainWindow) {
    InitQuiltoResources();
    setObjectName(QStringLiteral("FormMorvelin"));
    setWindowTitle(QString());
    setModal(true);
    setMouseTracking(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::black);
    setPalette(palette);
    setAutoFillBackground(true);
    setFont(Arial(8.25));
    CreateControls();
}

void FormMorvelin::ShowModal(Platform& platform, const std::string& appDir, QWidget* mainWindow) {
    FormMorvelin box(platform, appDir, mainWindow);
    box.exec();
}

void FormMorvelin::CreateControls() {
    shpMarco = new QFrame(this);
    shpMarco->setObjectName(QStringLiteral("shpMarco"));
    shpMarco->setFrameStyle(QFrame::Box | QFrame::Plain);
    shpMarco->setLineWidth(1);
    QPalette white = shpMarco->palette();
    white.setColor(QPalette::WindowText, kWhite);
    shpMarco->setPalette(white);
    // The frame lies under everything; the pointer sees the background through it.
    shpMarco->setAttribute(Qt::WA_TransparentForMouseEvents);

    imgIcono = PictureLabel(QStringLiteral("imgIcono"), this);
    const QString caption = mainWindow_ ? mainWindow_->windowTitle() : QString();
    lblTitulo = TextLabel(QStringLiteral("lblTitulo"), caption, ArialBlack(12), kWhite, this);
    lblCreadoPor =
        TextLabel(QStringLiteral("lblCreadoPor"), QStringLiteral("Por el equipo de Quilto"), font(), kWhite, this);
    imgLogo = PictureLabel(QStringLiteral("imgLogo"), this);
    imgLogo->setPixmap(QPixmap(QStringLiteral(":/logo.png")));
    lblTexEmail = TextLabel(QStringLiteral("lblTexEmail"), QStringLiteral("Email: "), font(), kGrey, this);
    lblMail = TextLabel(QStringLiteral("lblMail"), QStringLiteral("quilto@example.org"), Arial(9.75), kLink, this);
    lblTexWeb = TextLabel(QStringLiteral("lblTexWeb"), QStringLiteral("Web:"), font(), kGrey, this);
    lblURL = TextLabel(QStringLiteral("lblURL"), QStringLiteral("quilto.example.org"), Arial(9.75), kLink, this);
    lblTexto = TextLabel(QStringLiteral("lblTexto"),
                         QStringLiteral("Quilto corta tus imágenes en piezas y las mezcla: tu reto es "
                                        "recomponerlas. Elige el tablero, el tamaño de las piezas y el modo "
                                        "de juego, ¡y a disfrutar!"),
                         Arial(9), kGrey, this);
    lblTexto->setWordWrap(true);
    lblTexto->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblClick = TextLabel(QStringLiteral("lblClick"), QStringLiteral("[click para cerrar]"), font(), kLightYellow, this);
    lblClick->setAlignment(Qt::AlignCenter);

    for (QLabel* address : {lblURL, lblMail}) {
        address->setCursor(Qt::PointingHandCursor);
        address->setMouseTracking(true);
        address->installEventFilter(this);
    }

    struct Placement {
        QWidget* control;
        int left, top, width, height;
    };
    const Placement placements[] = {
        {shpMarco, 0, 0, kClientWidth, kClientHeight},
        {imgIcono, 349, 180, 480, 480},
        {lblTitulo, 956, 180, 2955, 375},
        {lblCreadoPor, 956, 480, 2295, 255},
        {imgLogo, 405, 810, 3450, 3435},
        {lblTexEmail, 1080, 4365, 735, 255},
        {lblMail, 1605, 4350, 1575, 240},
        {lblTexWeb, 1095, 4635, 615, 255},
        {lblURL, 1635, 4605, 1485, 240},
        {lblTexto, 240, 4980, 4185, 1005},
        {lblClick, 2805, 5955, 1320, 210},
    };
    // The paragraph's box runs past the right edge; its text keeps inside
    // the white frame (margins below).
    const auto visibleWidth = [](const Placement& p) {
        return std::min(p.left + p.width, kClientWidth - kUnitsPerPixel) - p.left;
    };
    // The boxes were drawn for fonts that may be missing here. With wider
    // ones the whole box grows evenly, just enough for every text to fit.
    for (const Placement& p : placements)
        if (auto* label = qobject_cast<QLabel*>(p.control); label && !label->text().isEmpty())
            scale_.Grow(NeededScale(*label, visibleWidth(p), p.height));
    for (const Placement& p : placements) scale_.Place(p.control, p.left, p.top, p.width, p.height);
    setFixedSize(scale_.Pixels(kClientWidth), scale_.Pixels(kClientHeight));
    for (QLabel* label : findChildren<QLabel*>()) {
        const int overhang = label->geometry().right() - (width() - 2);
        if (overhang > 0) label->setContentsMargins(0, 0, overhang, 0);
    }
    // The addresses lie over the ends of their captions.
    lblMail->raise();
    lblURL->raise();
}

void FormMorvelin::CentreOn(QWidget* mainWindow) {
    QRect area;
    if (mainWindow && mainWindow->isVisible()) {
        area = mainWindow->frameGeometry();
    } else if (QScreen* screen = mainWindow ? mainWindow->screen() : QGuiApplication::primaryScreen()) {
        area = screen->availableGeometry();
    }
    if (area.isValid()) move(area.center() - QPoint(width() / 2, height() / 2));
}

void FormMorvelin::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) return;
    CentreOn(mainWindow_);
    Form_Activate();
}

void FormMorvelin::Form_Activate() {
    pressed_ = false;
    pressedAddress_ = nullptr;
    Underline(nullptr);
    if (!mainWindow_) return;
    lblTitulo->setText(mainWindow_->windowTitle());
    const QIcon icon = mainWindow_->windowIcon();
    imgIcono->setPixmap(icon.pixmap(imgIcono->size()));
    setWindowIcon(icon);
}

void FormMorvelin::Underline(QLabel* address) {
    for (QLabel* label : {lblURL, lblMail}) {
        QFont f = label->font();
        if (f.underline() == (label == address)) continue;
        f.setUnderline(label == address);
        label->setFont(f);
    }
}

void FormMorvelin::OpenAddress(QLabel* address) {
    const QString prefix = address == lblURL ? QStringLiteral("http://") : QStringLiteral("mailto:");
    platform_.ShellOpen((prefix + address->text()).toStdString(), WithoutTrailingSeparator(appDir_));
}

void FormMorvelin::keyPressEvent(QKeyEvent* event) {
    // A key that types a character closes the box; Enter and Esc count as typed.
    const int key = event->key();
    if (!event->text().isEmpty() || key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
        accept();
        return;
    }
    event->ignore();
}

// Clicks on the background and on every control but the addresses end here:
// those controls let them through.
void FormMorvelin::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
}

void FormMorvelin::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click) accept();
}

// Only the background tracks the pointer; the other controls keep their
// moves to themselves, so that moving over them changes nothing.
void FormMorvelin::mouseMoveEvent(QMouseEvent* event) {
    if (!childAt(event->position().toPoint())) Underline(nullptr);
}

bool FormMorvelin::eventFilter(QObject* watched, QEvent* event) {
    QLabel* address = watched == lblURL ? lblURL : watched == lblMail ? lblMail : nullptr;
    if (!address) return QDialog::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::MouseMove:
            Underline(address);
            return true;
        case QEvent::MouseButtonPress:
            pressedAddress_ = static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton ? address : nullptr;
            return true;
        case QEvent::MouseButtonRelease: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            const bool click = pressedAddress_ == address && mouse->button() == Qt::LeftButton &&
                               address->rect().contains(mouse->position().toPoint());
            pressedAddress_ = nullptr;
            if (click) OpenAddress(address);
            return true;
        }
        case QEvent::MouseButtonDblClick:
            return true;  // the first click of the two has opened it already
        default:
            return QDialog::eventFilter(watched, event);
    }
}

}  // namespace quilto
