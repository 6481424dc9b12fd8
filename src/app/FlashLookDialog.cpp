// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/FlashLookDialog.h"

#include "core/FlashDisplay.h"
#include "platform/Timer.h"
#include "widgets/ProgramIcon.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

#include <functional>

namespace
{

// How long the preview holds its picture between the fades.
constexpr int PreviewHoldMs = 600;
constexpr int PreviewStepMs = 16;

// A flash over a page of text on a small screen: the picture in the
// window's shape, shown as large as the chosen size makes it.
class LookPreview final : public QWidget
{
public:
    LookPreview(std::function<double()> opacity, std::function<FlashLook::Size()> size,
                QWidget* parent)
        : QWidget(parent), m_opacity(std::move(opacity)), m_size(std::move(size))
    {
        setFixedSize(240, 150);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), palette().base());
        painter.setPen(QPen(palette().text().color(), 2));
        for (int y = 14; y < height() - 8; y += 12) // lines of someone's work
            painter.drawLine(12, y, width() - 12 - (y * 37) % 60, y);
        // The standard window is drawn somewhat larger than its share of a
        // real screen, or its picture could not be made out.
        FlashLook look;
        look.size = m_size();
        const QSizeF picture(FlashDisplay::WidthTwips, FlashDisplay::HeightTwips);
        QRectF flash(QPointF(), look.fitsPicture()
                                    ? look.windowTwips(size(), picture) // shares of this screen
                                    : picture.scaled(width() / 4.0, height(), Qt::KeepAspectRatio));
        flash.moveCenter(QRectF(rect()).center());
        painter.setOpacity(m_opacity());
        QLinearGradient sky(flash.topLeft(), flash.bottomRight());
        sky.setColorAt(0, QColor(250, 170, 60));
        sky.setColorAt(1, QColor(60, 110, 200));
        painter.fillRect(flash, sky);
        const QPixmap icon = ProgramIcon::picture();
        painter.drawPixmap(flash.center() - QPointF(icon.width() / 2.0, icon.height() / 2.0), icon);
    }

private:
    std::function<double()> m_opacity;
    std::function<FlashLook::Size()> m_size;
};

QSpinBox* spinBox(QWidget* parent, const char* name, int min, int max, const QString& suffix)
{
    auto* box = new QSpinBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setRange(min, max);
    box->setSuffix(suffix);
    return box;
}

} // namespace

const QString FlashLookDialog::PreviewTimerName = QStringLiteral("previewTimer");

FlashLookDialog::FlashLookDialog(const FlashLook& look, bool composites, TimerFactory& timers,
                                 QWidget* parent)
    : QDialog(parent),
      //: The unit after a number, as in "50 %".
      m_opacity(spinBox(this, "spnOpacity", FlashLook::MinOpacity, 100, tr(" %"))),
      m_opacitySlider(new QSlider(Qt::Horizontal, this)),
      //: Milliseconds, after a number, as in "200 ms".
      m_fadeIn(spinBox(this, "spnFadeIn", 0, FlashLook::MaxFadeMs, tr(" ms"))),
      m_fadeOut(spinBox(this, "spnFadeOut", 0, FlashLook::MaxFadeMs, tr(" ms"))),
      m_size(new QComboBox(this)),
      m_preview(new LookPreview([this] { return m_previewOpacity; },
                                [this] { return FlashLook::Size(m_size->currentIndex()); }, this)),
      m_previewTimer(timers.create(PreviewTimerName, this))
{
    setObjectName(QStringLiteral("frmFlashLook"));
    //: The window's title: how each picture looks while it is flashed.
    setWindowTitle(tr("Flash Look"));
    m_opacitySlider->setObjectName(QStringLiteral("sldOpacity"));
    m_opacitySlider->setRange(FlashLook::MinOpacity, 100);
    m_preview->setObjectName(QStringLiteral("picPreview"));
    for (QSpinBox* fade : {m_fadeIn, m_fadeOut})
        fade->setSingleStep(10);
    m_opacity->setValue(look.opacityPercent);
    m_opacitySlider->setValue(look.opacityPercent);
    m_fadeIn->setValue(look.fadeInMs);
    m_fadeOut->setValue(look.fadeOutMs);
    m_size->setObjectName(QStringLiteral("cboSize"));
    //: A size of the flash: the small window every flash had so far.
    m_size->addItem(tr("Standard"));
    //: A size of the flash: the picture as large as fits in half the screen's width and height.
    m_size->addItem(tr("A quarter of the screen"));
    //: A size of the flash: the picture as large as fits in half the screen's area.
    m_size->addItem(tr("Half of the screen"));
    //: A size of the flash: the picture as large as fits on the screen.
    m_size->addItem(tr("The whole screen"));
    m_size->setCurrentIndex(int(look.size));

    auto* opacityRow = new QHBoxLayout;
    opacityRow->addWidget(m_opacitySlider, 1);
    opacityRow->addWidget(m_opacity);
    auto* form = new QFormLayout;
    form->addRow(tr("&Opacity:"), opacityRow);
    form->addRow(tr("Fade &in:"), m_fadeIn);
    form->addRow(tr("Fade o&ut:"), m_fadeOut);
    form->addRow(tr("&Size:"), m_size);
    if (auto* label = qobject_cast<QLabel*>(form->labelForField(opacityRow)))
        label->setBuddy(m_opacity);

    auto* play = new QPushButton(tr("&Play"), this);
    play->setObjectName(QStringLiteral("cmdPlay"));
    auto* previewRow = new QHBoxLayout;
    previewRow->addWidget(m_preview);
    previewRow->addWidget(play, 0, Qt::AlignBottom);

    auto* hint = new QLabel(tr("The display duration is the time a picture is shown at this "
                               "opacity; the fades come before and after it. At a quarter of the "
                               "screen and larger, a picture keeps its proportions."),
                            this);
    hint->setObjectName(QStringLiteral("lblDurationHint"));
    hint->setWordWrap(true);
    auto* noBlending = new QLabel(
        tr("Your desktop does not blend windows now, so pictures are shown opaque and without "
           "fades. These choices take effect on a desktop that does, such as GNOME or KDE "
           "Plasma, or with a compositing manager."),
        this);
    noBlending->setObjectName(QStringLiteral("lblNoBlending"));
    noBlending->setWordWrap(true);
    noBlending->setVisible(!composites);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("buttons"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(previewRow);
    layout->addWidget(hint);
    layout->addWidget(noBlending);
    layout->addWidget(buttons);
    setMinimumWidth(420);

    connect(m_opacitySlider, &QSlider::valueChanged, m_opacity, &QSpinBox::setValue);
    connect(m_opacity, &QSpinBox::valueChanged, m_opacitySlider, &QSlider::setValue);
    for (QSpinBox* box : {m_opacity, m_fadeIn, m_fadeOut})
        connect(box, &QSpinBox::valueChanged, this, &FlashLookDialog::lookChanged);
    connect(m_size, &QComboBox::currentIndexChanged, this, &FlashLookDialog::lookChanged);
    connect(play, &QPushButton::clicked, this, &FlashLookDialog::playFade);
    m_previewTimer->setInterval(PreviewStepMs);
    connect(m_previewTimer, &Timer::timeout, this, &FlashLookDialog::previewStep);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    lookChanged();
}

FlashLook FlashLookDialog::look() const
{
    FlashLook look;
    look.opacityPercent = m_opacity->value();
    look.fadeInMs = m_fadeIn->value();
    look.fadeOutMs = m_fadeOut->value();
    look.size = FlashLook::Size(m_size->currentIndex());
    return look;
}

void FlashLookDialog::lookChanged()
{
    m_previewTimer->setEnabled(false);
    m_previewOpacity = look().opacityPercent / 100.0;
    m_preview->update();
}

void FlashLookDialog::playFade()
{
    m_playing.start();
    m_previewTimer->setEnabled(true);
    previewStep();
}

void FlashLookDialog::previewStep()
{
    const FlashLook shown = look();
    const qint64 elapsed = m_playing.elapsed();
    m_previewOpacity = shown.opacityAt(elapsed, PreviewHoldMs);
    if (elapsed >= qint64(shown.fadeInMs) + PreviewHoldMs + shown.fadeOutMs) {
        m_previewTimer->setEnabled(false);
        m_previewOpacity = shown.opacityPercent / 100.0;
    }
    m_preview->update();
}
