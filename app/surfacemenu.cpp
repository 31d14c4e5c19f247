#include "app/surfacemenu.h"

#include "app/noticetexts.h"
#include "app/settingstools.h"
#include "app/windownotice.h"
#include "model/csvexport.h"
#include "model/imageentity.h"
#include "surface/imagedrawlabel.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>

SurfaceMenu::SurfaceMenu(ImageDrawLabel* surface,
                         WindowNotice* notice,
                         std::function<QString()> shownPath)
  : QObject(surface)
  , surface(surface)
  , notice(notice)
  , shownPath(std::move(shownPath))
{
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
    const QByteArray text =
      temperatures
        ? CsvExport::temperatures(*photo, unit)
        : CsvExport::shapes(
            surface->pathList(), photo->temperatureWidth, photo->temperatureHeight, unit);
    QString reason;
    const bool written = CsvExport::write(target, text, &reason);
    if (notice)
        notice->showNotice(NoticeTexts::exportOutcome(written, target, reason),
                           written ? WindowNotice::Success : WindowNotice::Failure);
}
