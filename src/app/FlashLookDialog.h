// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/FlashLook.h"

#include <QDialog>
#include <QElapsedTimer>

class QComboBox;
class QSlider;
class QSpinBox;
class Timer;
class TimerFactory;

// Edits how a flash looks: its opacity, its fades and its size, with a
// preview of a flash over a page of work. Where the desktop does not composite, it says
// why the choices have no effect there.
class FlashLookDialog final : public QDialog
{
    Q_OBJECT
public:
    static const QString PreviewTimerName;

    FlashLookDialog(const FlashLook& look, bool composites, TimerFactory& timers,
                    QWidget* parent = nullptr);

    // As the controls show them now.
    FlashLook look() const;
    // The preview's opacity now, from 0 to 1.
    double previewOpacity() const { return m_previewOpacity; }

private:
    void lookChanged();
    void playFade();
    void previewStep();

    QSpinBox* m_opacity;
    QSlider* m_opacitySlider;
    QSpinBox* m_fadeIn;
    QSpinBox* m_fadeOut;
    QComboBox* m_size;
    QWidget* m_preview;
    Timer* m_previewTimer;
    QElapsedTimer m_playing;
    double m_previewOpacity = 1.0;
};
