#include "app/displaypreferences.h"

#include "document/photographdocument.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QMenu>
#include <QWidget>

DisplayPreferences::DisplayPreferences(PhotographDocument* document,
                                       QWidget* unit,
                                       QWidget* palette,
                                       QWidget* rangeMode,
                                       QWidget* blend)
  : QObject(unit)
  , document(document)
  , unit(unit)
  , palette(palette)
  , rangeMode(rangeMode)
  , blend(blend)
{
    for (QWidget* control : { unit, palette, rangeMode, blend })
        control->installEventFilter(this);
    connect(document, &PhotographDocument::settingsChanged, this, &DisplayPreferences::remember);
}

int DisplayPreferences::unitFor(int stored) const
{
    if (!SettingsTools::keepsForAll(SettingsTools::Kept::Unit))
        return stored;
    const int kept = SettingsTools::keptValue(SettingsTools::Kept::Unit, stored);
    return kept >= int(TemperatureUnit::Celsius) && kept <= int(TemperatureUnit::Kelvin) ? kept
                                                                                         : stored;
}

int DisplayPreferences::paletteFor(int stored) const
{
    if (!SettingsTools::keepsForAll(SettingsTools::Kept::Palette))
        return stored;
    const int kept = SettingsTools::keptValue(SettingsTools::Kept::Palette, stored);
    return kept >= int(PaletteIndex::Spectrum) && kept <= int(PaletteIndex::BlackHot) ? kept
                                                                                      : stored;
}

int DisplayPreferences::blendFor(int stored) const
{
    // A file stored showing the visible picture alone hides every temperature behind it.
    return stored == 0 && SettingsTools::thermalOnOpen() ? 100 : stored;
}

TemperatureRange DisplayPreferences::rangeFor(const TemperatureRange& stored) const
{
    if (!SettingsTools::keepsForAll(SettingsTools::Kept::RangeMode))
        return stored;
    const int kept = SettingsTools::keptValue(SettingsTools::Kept::RangeMode, int(stored.mode));
    if (kept < TemperatureRange::Camera || kept > TemperatureRange::Manual)
        return stored;
    TemperatureRange range = stored;
    range.mode = TemperatureRange::Mode(kept);
    if (range.mode == TemperatureRange::Manual &&
        !SettingsTools::keptRangeEnds(range.low, range.high))
        return stored;
    return range;
}

void DisplayPreferences::remember()
{
    if (opening || !document->isLoaded())
        return;
    const DisplaySettings& settings = document->settings();
    if (SettingsTools::keepsForAll(SettingsTools::Kept::Unit))
        SettingsTools::setKeptValue(SettingsTools::Kept::Unit, settings.unit);
    if (SettingsTools::keepsForAll(SettingsTools::Kept::Palette))
        SettingsTools::setKeptValue(SettingsTools::Kept::Palette, settings.palette);
    if (SettingsTools::keepsForAll(SettingsTools::Kept::RangeMode)) {
        SettingsTools::setKeptValue(SettingsTools::Kept::RangeMode, int(settings.range.mode));
        if (settings.range.mode == TemperatureRange::Manual)
            SettingsTools::setKeptRangeEnds(settings.range.low, settings.range.high);
    }
}

void DisplayPreferences::keep(SettingsTools::Kept choice, bool kept)
{
    SettingsTools::setKeepsForAll(choice, kept);
    if (kept)
        remember();
}

QMenu* DisplayPreferences::menuFor(QWidget* control)
{
    delete menu;
    menu = new QMenu(control);
    menu->setObjectName(QStringLiteral("preferences_menu"));
    if (control == blend) {
        QAction* thermal =
          menu->addAction(QCoreApplication::translate("Widget", "打开照片时总是显示热图像"));
        thermal->setObjectName(QStringLiteral("preference_thermal_on_open"));
        thermal->setCheckable(true);
        thermal->setChecked(SettingsTools::thermalOnOpen());
        connect(
          thermal, &QAction::toggled, this, [](bool on) { SettingsTools::setThermalOnOpen(on); });
        return menu;
    }
    const SettingsTools::Kept choice = control == unit      ? SettingsTools::Kept::Unit
                                       : control == palette ? SettingsTools::Kept::Palette
                                                            : SettingsTools::Kept::RangeMode;
    QAction* all = menu->addAction(QCoreApplication::translate("Widget", "用于所有照片"));
    all->setObjectName(QStringLiteral("preference_use_for_all"));
    all->setCheckable(true);
    all->setChecked(SettingsTools::keepsForAll(choice));
    connect(all, &QAction::toggled, this, [this, choice](bool on) { keep(choice, on); });
    return menu;
}

bool DisplayPreferences::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ContextMenu) {
        auto* control = qobject_cast<QWidget*>(watched);
        if (control == unit || control == palette || control == rangeMode || control == blend) {
            menuFor(control)->popup(static_cast<QContextMenuEvent*>(event)->globalPos());
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
