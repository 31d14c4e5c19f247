#include "app/surfacemenu.h"

#include "app/noticetexts.h"
#include "app/settingstools.h"
#include "app/windownotice.h"
#include "document/photographdocument.h"
#include "model/csvexport.h"
#include "model/imageentity.h"
#include "surface/imagedrawlabel.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMenu>

#include <algorithm>

SurfaceMenu::SurfaceMenu(ImageDrawLabel* surface,
                         WindowNotice* notice,
                         std::function<QString()> shownPath)
  : QObject(surface)
  , surface(surface)
  , notice(notice)
  , shownPath(std::move(shownPath))
{
    askEmissivity = [surface](double& value) {
        bool ok = false;
        const double chosen = QInputDialog::getDouble(
          surface,
          QCoreApplication::translate("Widget", "测量的发射率"),
          QCoreApplication::translate("Widget", "最后一个测量所测表面的发射率："),
          value,
          ObjectParameters::lowestEmissivity,
          1.0,
          2,
          &ok);
        if (ok)
            value = chosen;
        return ok;
    };
    surface->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(surface, &QWidget::customContextMenuRequested, this, &SurfaceMenu::popUp);
}

QMenu* SurfaceMenu::popUp(const QPoint& pixel)
{
    const ImageEntity* photo = surface->photograph();
    if (!photo || !photo->loaded)
        return nullptr;
    auto* menu = new QMenu(surface);
    menu->setObjectName(QStringLiteral("surface_menu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const QString reading = surface->temperatureTextAt(pixel);
    QAction* copyReading =
      menu->addAction(QCoreApplication::translate("Widget", "复制温度"), menu, [reading] {
          QApplication::clipboard()->setText(reading);
      });
    copyReading->setObjectName(QStringLiteral("copy_temperature"));
    copyReading->setEnabled(!reading.isEmpty());
    menu
      ->addAction(QCoreApplication::translate("Widget", "复制图像"),
                  menu,
                  [this] { QApplication::clipboard()->setPixmap(surface->snapshot()); })
      ->setObjectName(QStringLiteral("copy_image"));
    menu->addSeparator();
    menu
      ->addAction(QCoreApplication::translate("Widget", "导出温度为 CSV…"),
                  this,
                  [this] { exportCsv(Export::Temperatures); })
      ->setObjectName(QStringLiteral("export_temperatures"));
    QAction* shapes = menu->addAction(QCoreApplication::translate("Widget", "导出测量为 CSV…"),
                                      this,
                                      [this] { exportCsv(Export::Shapes); });
    shapes->setObjectName(QStringLiteral("export_shapes"));
    shapes->setEnabled(!surface->pathList().isEmpty());
    menu->addSeparator();
    // The range from the newest shape that has two ends to it: its coldest and hottest cell.
    const QList<ImageDrawPath>& drawn = surface->pathList();
    const auto last = std::find_if(drawn.rbegin(), drawn.rend(), [](const ImageDrawPath& shape) {
        return shape.kind() != ShapeKind::Point;
    });
    TemperatureRange fitted;
    fitted.mode = TemperatureRange::Manual;
    bool fits = last != drawn.rend();
    if (fits) {
        // In the temperatures the shape shows, through its own emissivity if it has one.
        const TemperatureCorrection correction = photo->correctionFor(*last);
        fits = correction.celsius(double(last->point(PointRole::Minimum).value), fitted.low) &&
               correction.celsius(double(last->point(PointRole::Maximum).value), fitted.high);
        fitted.high = qMax(fitted.high, fitted.low + 0.1);
    }
    QAction* fit = menu->addAction(
      QCoreApplication::translate("Widget", "温度范围适合最后一个测量"), this, [this, fitted] {
          surface->document()->setRange(fitted);
          surface->document()->render();
      });
    fit->setObjectName(QStringLiteral("fit_range"));
    fit->setEnabled(fits);
    // The newest shape's own emissivity: a finding on copper or tape beside the photograph's.
    QAction* own =
      menu->addAction(QCoreApplication::translate("Widget", "最后一个测量的发射率…"), this, [this] {
          PhotographDocument* document = surface->document();
          const int newest = document->shapes().size() - 1;
          if (newest < 0)
              return;
          const ImageDrawPath& shape = document->shapes().at(newest);
          const ObjectParameters& photograph = document->settings().object;
          double emissivity = shape.ownParameters ? shape.emissivity : photograph.emissivity;
          if (!askEmissivity(emissivity))
              return;
          // The photograph's own value given back takes the shape's away.
          document->setShapeParameters(document->shapeId(newest),
                                       emissivity != photograph.emissivity,
                                       emissivity,
                                       photograph.reflected);
      });
    own->setObjectName(QStringLiteral("shape_emissivity"));
    own->setEnabled(!surface->document()->shapes().isEmpty());
    menu->popup(surface->mapToGlobal(pixel));
    return menu;
}

void SurfaceMenu::exportCsv(Export what)
{
    const ImageEntity* photo = surface->photograph();
    if (!photo || !photo->loaded)
        return;
    const bool temperatures = what == Export::Temperatures;
    const QString name = QFileInfo(shownPath()).completeBaseName() +
                         (temperatures ? QStringLiteral(".csv") : QStringLiteral("-shapes.csv"));
    const QString start = SettingsTools::getLastSavePath() + QDir::separator() + name;
    const QString target =
      QFileDialog::getSaveFileName(surface->window(),
                                   temperatures ? QCoreApplication::translate("Widget", "导出温度")
                                                : QCoreApplication::translate("Widget", "导出测量"),
                                   start,
                                   QStringLiteral("CSV(*.csv)"));
    if (target.isEmpty())
        return;
    const int unit = surface->displayUnit();
    const QByteArray text = temperatures ? CsvExport::temperatures(*photo, unit)
                                         : CsvExport::shapes(surface->pathList(), *photo, unit);
    QString reason;
    const bool written = CsvExport::write(target, text, &reason);
    if (notice)
        notice->showNotice(NoticeTexts::exportOutcome(written, target, reason),
                           written ? WindowNotice::Success : WindowNotice::Failure);
}
