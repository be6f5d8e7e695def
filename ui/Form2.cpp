// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Form2.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <algorithm>
#include <iterator>

namespace quilto {

namespace {

// The controls whose caption must fit its box, with the box in window units
// inside its frame. The same table places the controls and sizes the dialog.
struct CaptionedBox {
    const char* caption;
    int left, top, width, height;
    bool indicator;  // a check box or an option: a tick box precedes the caption
};
enum Captioned { kIdentical, kSizeCaption, kCountCaption, kFitFirst, kIrregular = kFitFirst + 4, kSlide, kSlippery };
constexpr CaptionedBox kCaptioned[] = {
    {"Idénticos.", 480, 1080, 1095, 255, true},
    {"Tamaño:", 240, 1440, 735, 255, false},
    {"Nº piezas:", 240, 1680, 735, 255, false},
    {"Ajustar al recuadro.", 240, 360, 1695, 375, true},
    {"Superior / Izquierda.", 240, 720, 1815, 375, true},
    {"Parte central.", 240, 1080, 1455, 375, true},
    {"Inferior / Derecha.", 240, 1440, 1695, 375, true},
    {"Piezas de diferentes tamaños.", 360, 480, 2415, 255, true},
    {"Desplazar piezas.", 360, 960, 2175, 255, true},
    {"Piezas escurridizas.", 360, 1440, 2055, 255, true},
};
static_assert(std::size(kCaptioned) == kSlippery + 1);
static_assert(kIrregular - kFitFirst == ConfigDialog::kOptionCount);

QString CaptionOf(Captioned c) {
    return QString::fromUtf8(kCaptioned[c].caption);
}

// The boxes were drawn for a compact dialog font. With a wider one the whole
// dialog grows evenly, just enough for the longest caption to fit its box.
DialogScale FitCaptions(const QWidget& dialog) {
    const QFontMetrics fm(dialog.font());
    const QStyle* style = dialog.style();
    const int indicator = std::max(style->pixelMetric(QStyle::PM_IndicatorWidth),
                                   style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth)) +
                          style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing) + 4;
    DialogScale scale;
    for (const CaptionedBox& c : kCaptioned)
        scale.Fit(fm.horizontalAdvance(QString::fromUtf8(c.caption)) + (c.indicator ? indicator : 2), c.width);
    return scale;
}

QLabel* CaptionLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignRight | Qt::AlignTop);
    return label;
}

// The size and count labels: bold 9.75 pt on light grey.
QLabel* ValueLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont font = label->font();
    font.setPointSizeF(9.75);
    font.setBold(true);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, QColor(192, 192, 192));
    label->setPalette(palette);
    label->setAutoFillBackground(true);
    return label;
}

// Tests and the window find the controls by these names.
template <typename W>
W* Named(W* w, const QString& name) {
    w->setObjectName(name);
    return w;
}

void SetChecked(QAbstractButton* b, bool checked) {
    const QSignalBlocker quiet(b);
    b->setChecked(checked);
}

}  // namespace

Form2::Form2(GameState& g, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      model_(g) {
    scale_ = FitCaptions(*this);
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Configuración"));
    setModal(true);
    setFixedSize(scale_.Pixels(kClientWidth), scale_.Pixels(kClientHeight));
    CreateControls();
    SetTabOrder();
    ConnectControls();
    ShowControls();
    Command1->setFocus();  // "Aceptar" has the focus the first time
}

void Form2::CreateControls() {
    const auto place = [this](QWidget* w, Captioned c) {
        const CaptionedBox& b = kCaptioned[c];
        scale_.Place(w, b.left, b.top, b.width, b.height);
    };
    Frame1 = Named(new QGroupBox(QStringLiteral("Tablero"), this), "Frame1");
    scale_.Place(Frame1, 240, 240, 1935, 2055);
    for (int i = 0; i < 2; ++i) {
        auto* bar = Named(new QScrollBar(Qt::Horizontal, Frame1), QStringLiteral("HScroll1_%1").arg(i));
        bar->setRange(ConfigDialog::kBarMin, ConfigDialog::kBarMax);
        bar->setSingleStep(1);
        bar->setPageStep(1);
        bar->setFocusPolicy(Qt::StrongFocus);
        bar->installEventFilter(this);
        scale_.Place(bar, 360, i == 0 ? 360 : 720, 1215, 255);
        HScroll1[static_cast<std::size_t>(i)] = bar;
    }
    Check3 = Named(new QCheckBox(CaptionOf(kIdentical), Frame1), "Check3");
    place(Check3, kIdentical);
    Label4[0] = Named(CaptionLabel(CaptionOf(kSizeCaption), Frame1), "Label4_0");
    place(Label4[0], kSizeCaption);
    Label1 = Named(ValueLabel(QStringLiteral("88x88"), Frame1), "Label1");
    scale_.Place(Label1, 1080, 1440, 735, 255);
    Label4[1] = Named(CaptionLabel(CaptionOf(kCountCaption), Frame1), "Label4_1");
    place(Label4[1], kCountCaption);
    Label3 = Named(ValueLabel(QStringLiteral("2500"), Frame1), "Label3");
    scale_.Place(Label3, 1080, 1680, 735, 255);

    Frame3 = Named(new QGroupBox(QStringLiteral("Imagen"), this), "Frame3");
    scale_.Place(Frame3, 2280, 240, 2175, 2055);
    for (std::size_t i = 0; i < Option1.size(); ++i) {
        const auto fit = static_cast<Captioned>(kFitFirst + static_cast<int>(i));
        Option1[i] = Named(new QRadioButton(CaptionOf(fit), Frame3), QStringLiteral("Option1_%1").arg(i));
        place(Option1[i], fit);
    }

    Frame2 = Named(new QGroupBox(QStringLiteral("Opciones de juego"), this), "Frame2");
    scale_.Place(Frame2, 4560, 240, 3015, 2055);
    Check1 = Named(new QCheckBox(CaptionOf(kIrregular), Frame2), "Check1");
    place(Check1, kIrregular);
    Check2 = Named(new QCheckBox(CaptionOf(kSlide), Frame2), "Check2");
    place(Check2, kSlide);
    Check4 = Named(new QCheckBox(CaptionOf(kSlippery), Frame2), "Check4");
    place(Check4, kSlippery);

    Command1 = Named(new QPushButton(QStringLiteral("Aceptar"), this), "Command1");
    scale_.Place(Command1, 4560, 2520, 1455, 615);
    Command2 = Named(new QPushButton(QStringLiteral("Cancelar"), this), "Command2");
    scale_.Place(Command2, 6120, 2520, 1455, 615);
    // Enter and Esc reach a button only through the focus.
    for (QPushButton* b : {Command1, Command2}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }
}

void Form2::SetTabOrder() {
    const std::array<QWidget*, 12> order = {Command1,   HScroll1[0], Check3,     Check1, Check2,   Option1[0],
                                            Option1[1], Option1[2],  Option1[3], Check4, Command2, HScroll1[1]};
    for (std::size_t i = 0; i + 1 < order.size(); ++i) setTabOrder(order[i], order[i + 1]);
}

void Form2::ConnectControls() {
    for (int i = 0; i < 2; ++i) {
        // Fires for arrow and track clicks and, while tracking, for every step
        // of a drag: HScroll1_Change and HScroll1_Scroll alike.
        connect(HScroll1[static_cast<std::size_t>(i)], &QScrollBar::valueChanged, this, [this, i](int value) {
            model_.SetHScroll1(i, value);
            ShowControls();
        });
    }
    const auto follow = [this](QCheckBox* box, void (ConfigDialog::*set)(bool)) {
        connect(box, &QCheckBox::toggled, this, [this, set](bool ticked) {
            (model_.*set)(ticked);
            ShowControls();
        });
    };
    follow(Check1, &ConfigDialog::SetCheck1);
    follow(Check2, &ConfigDialog::SetCheck2);
    follow(Check3, &ConfigDialog::SetCheck3);
    follow(Check4, &ConfigDialog::SetCheck4);
    for (std::size_t i = 0; i < Option1.size(); ++i) {
        connect(Option1[i], &QRadioButton::toggled, this, [this, i](bool selected) {
            if (!selected) return;
            model_.SetOption1(static_cast<int>(i));
            ShowControls();
        });
    }
    connect(Command1, &QPushButton::clicked, this, &Form2::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form2::Command2_Click);
}

void Form2::ShowControls() {
    for (std::size_t i = 0; i < HScroll1.size(); ++i) {
        const QSignalBlocker quiet(HScroll1[i]);
        HScroll1[i]->setValue(model_.HScroll1(static_cast<int>(i)));
    }
    SetChecked(Check1, model_.Check1());
    SetChecked(Check2, model_.Check2());
    SetChecked(Check3, model_.Check3());
    SetChecked(Check4, model_.Check4());
    // Tab stops at the selected option only; the arrows move among them.
    for (std::size_t i = 0; i < Option1.size(); ++i) {
        const bool selected = static_cast<int>(i) == model_.Option1();
        Option1[i]->setFocusPolicy(selected ? Qt::StrongFocus : Qt::ClickFocus);
        if (selected) SetChecked(Option1[i], true);
    }
    Label1->setText(QString::fromStdString(model_.Label1()));
    Label3->setText(QString::fromStdString(model_.Label3()));
}

void Form2::ShowModal() {
    model_.Form_Activate();
    ShowControls();
    if (parentWidget()) adjustPosition(parentWidget());
    exec();
}

void Form2::Command1_Click() {
    const bool hide = model_.Command1_Click();
    ShowControls();
    if (hide) done(Accepted);
}

void Form2::Command2_Click() {
    if (model_.Command2_Click()) done(Rejected);
}

void Form2::reject() {
    Command2_Click();
}

bool Form2::eventFilter(QObject* watched, QEvent* event) {
    // Qt's horizontal scroll bars step down on Right and up on Left (their
    // controls are inverted so that the wheel goes the right way); here Right
    // moves the thumb right, one step, like a click on the right arrow.
    auto* bar = qobject_cast<QScrollBar*>(watched);
    if (bar && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool plain = (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
        if (plain && (key->key() == Qt::Key_Right || key->key() == Qt::Key_Left)) {
            bar->triggerAction(key->key() == Qt::Key_Right ? QAbstractSlider::SliderSingleStepAdd
                                                           : QAbstractSlider::SliderSingleStepSub);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void Form2::keyPressEvent(QKeyEvent* e) {
    if (e->matches(QKeySequence::Cancel)) {
        e->accept();
        return;
    }
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        if (auto* button = qobject_cast<QPushButton*>(focusWidget())) button->click();
        e->accept();
        return;
    }
    QDialog::keyPressEvent(e);
}

}  // namespace quilto
