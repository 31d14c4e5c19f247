#pragma once

#include "app/settingstools.h"
#include "model/temperaturerange.h"

#include <QObject>

class PhotographDocument;
class QMenu;
class QWidget;

// The display choices a user keeps for every photograph instead of taking each file's own: the
// unit, the palette and the range mode, each from its control's context menu ("use for all
// photographs"), and, from the blend slider's, whether a photograph stored showing only its
// visible picture opens showing the thermal one. Kept in the settings file, so they last.
class DisplayPreferences : public QObject
{
    Q_OBJECT
public:
    // The controls whose context menus carry the choices: the unit, palette and range mode
    // combos and the blend slider.
    DisplayPreferences(PhotographDocument* document,
                       QWidget* unit,
                       QWidget* palette,
                       QWidget* rangeMode,
                       QWidget* blend);

    // What a photograph just opened shows: the file's own value unless one is kept for all.
    int unitFor(int stored) const;
    int paletteFor(int stored) const;
    int blendFor(int stored) const;
    TemperatureRange rangeFor(const TemperatureRange& stored) const;

    // Held while a photograph just opened is shown: the controls then take the file's values or
    // the kept ones, and neither is the user's choice to keep.
    class Opening
    {
    public:
        explicit Opening(DisplayPreferences* preferences)
          : preferences(preferences)
        {
            preferences->opening = true;
        }
        ~Opening() { preferences->opening = false; }
        Opening(const Opening&) = delete;
        Opening& operator=(const Opening&) = delete;

    private:
        DisplayPreferences* preferences;
    };

    // The context menu of one of the controls, built anew with the current language.
    QMenu* menuFor(QWidget* control);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void remember();
    void keep(SettingsTools::Kept choice, bool kept);

    PhotographDocument* document;
    QWidget* unit;
    QWidget* palette;
    QWidget* rangeMode;
    QWidget* blend;
    QMenu* menu = nullptr;
    bool opening = false;
};
