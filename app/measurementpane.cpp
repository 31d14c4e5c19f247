#include "app/measurementpane.h"

#include "app/measurementplot.h"
#include "app/settingstools.h"
#include "document/photographdocument.h"
#include "measure/measurementtable.h"
#include "surface/imagedrawlabel.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cmath>

namespace {

// A third of the photograph's area, and never so little that no row shows.
constexpr double shareOfArea = 0.33;
constexpr int lowestHeight = 120;

const char* const columnNames[] = {
    QT_TRANSLATE_NOOP("Widget", "名称"),   QT_TRANSLATE_NOOP("Widget", "类型"),
    QT_TRANSLATE_NOOP("Widget", "最高"),   QT_TRANSLATE_NOOP("Widget", "最低"),
    QT_TRANSLATE_NOOP("Widget", "平均"),   QT_TRANSLATE_NOOP("Widget", "大小"),
    QT_TRANSLATE_NOOP("Widget", "发射率"), QT_TRANSLATE_NOOP("Widget", "温差"),
    QT_TRANSLATE_NOOP("Widget", "等级"),   QT_TRANSLATE_NOOP("Widget", "备注"),
};
constexpr int columnCount = 10;

// In the order of ShapeKind.
const char* const kindNames[] = {
    QT_TRANSLATE_NOOP("Widget", "点"),
    QT_TRANSLATE_NOOP("Widget", "线"),
    QT_TRANSLATE_NOOP("Widget", "矩形"),
    QT_TRANSLATE_NOOP("Widget", "椭圆"),
};

// The photograph's own rows, in the order of MeasurementRow::Role.
const char* const roleNames[] = {
    QT_TRANSLATE_NOOP("Widget", "最高点"),
    QT_TRANSLATE_NOOP("Widget", "最低点"),
    QT_TRANSLATE_NOOP("Widget", "中心点"),
};

QString severityText(Severity severity)
{
    switch (severity) {
        case Severity::NotRated:
            return QString();
        case Severity::NoDeficiency:
            return QCoreApplication::translate("Widget", "无缺陷");
        case Severity::Possible:
            return QCoreApplication::translate("Widget", "可能缺陷：需调查");
        case Severity::Probable:
            return QCoreApplication::translate("Widget", "很可能缺陷：择时维修");
        case Severity::Major:
            return QCoreApplication::translate("Widget", "严重缺陷：立即维修");
        case Severity::Priority4:
            return QCoreApplication::translate("Widget", "优先级 4");
        case Severity::Priority3:
            return QCoreApplication::translate("Widget", "优先级 3");
        case Severity::Priority2:
            return QCoreApplication::translate("Widget", "优先级 2");
        case Severity::Priority1:
            return QCoreApplication::translate("Widget", "优先级 1");
    }
    return QString();
}

} // namespace

MeasurementPane::MeasurementPane(PhotographDocument* document,
                                 ImageDrawLabel* surface,
                                 QWidget* area)
  : QWidget(area)
  , document(document)
  , surface(surface)
  , area(area)
  , table(new QTableWidget(this))
  , referenceCaption(new QLabel(this))
  , reference(new QComboBox(this))
  , criterionCaption(new QLabel(this))
  , criterion(new QComboBox(this))
  , copy(new QPushButton(this))
  , plot(new MeasurementPlot(this))
  , copyPlot(new QPushButton(this))
{
    copyPlot->setObjectName(QStringLiteral("measurement_copy_plot"));
    setObjectName(QStringLiteral("measurement_pane"));
    setAutoFillBackground(true);
    table->setObjectName(QStringLiteral("measurement_table"));
    reference->setObjectName(QStringLiteral("measurement_reference"));
    criterion->setObjectName(QStringLiteral("measurement_criterion"));
    copy->setObjectName(QStringLiteral("measurement_copy"));
    table->setColumnCount(columnCount);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    // Names and notes are typed into their cells: F2, a double click, or typing on a selected one.
    table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                           QAbstractItemView::AnyKeyPressed);
    connect(table, &QTableWidget::cellChanged, this, &MeasurementPane::onItemEdited);
    auto* remove = new QShortcut(QKeySequence::Delete, table, nullptr, nullptr, Qt::WidgetShortcut);
    connect(remove, &QShortcut::activated, this, &MeasurementPane::removeCurrentShape);
    for (int i = 0; i < 2; ++i)
        criterion->addItem(QString());
    auto* controls = new QHBoxLayout;
    controls->addWidget(referenceCaption);
    controls->addWidget(reference, 1);
    controls->addWidget(criterionCaption);
    controls->addWidget(criterion, 1);
    controls->addWidget(copy);
    controls->addWidget(copyPlot);
    auto* views = new QHBoxLayout;
    views->addWidget(table, 3);
    views->addWidget(plot, 2);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 4, 0, 0);
    layout->addLayout(controls);
    layout->addLayout(views);
    // The shape selected in the table is the one selected on the surface, and the other way.
    connect(table, &QTableWidget::currentCellChanged, this, [this](int row) {
        this->surface->setSelectedShape(row - 3);
        showPlot(row);
    });
    connect(surface, &ImageDrawLabel::shapeSelected, this, [this](int index) {
        if (index >= 0)
            table->setCurrentCell(index + 3, 0);
        else
            table->setCurrentCell(-1, -1);
    });
    connect(copyPlot, &QPushButton::clicked, this, [this] {
        QApplication::clipboard()->setImage(plot->grab().toImage());
    });
    connect(reference,
            QOverload<int>::of(&QComboBox::activated),
            this,
            &MeasurementPane::onReferenceChosen);
    connect(criterion,
            QOverload<int>::of(&QComboBox::activated),
            this,
            &MeasurementPane::onCriterionChosen);
    connect(copy, &QPushButton::clicked, this, [this] {
        QApplication::clipboard()->setText(tabSeparated());
    });
    area->installEventFilter(this);
    connect(document, &PhotographDocument::photographReplaced, this, &MeasurementPane::refresh);
    connect(document, &PhotographDocument::shapesChanged, this, &MeasurementPane::refresh);
    // A range dragged changes the settings at every step; only the chart shows the range, so the
    // shapes are measured again only when the unit or the object parameters change.
    connect(document, &PhotographDocument::settingsChanged, this, [this] {
        const DisplaySettings& settings = this->document->settings();
        if (settings.unit != tableUnit || settings.object != tableObject)
            refresh();
        else if (shownPane)
            showPlot(table->currentRow());
    });
    retranslate();
    setShown(SettingsTools::measurementsShown());
}

void MeasurementPane::setShown(bool shown)
{
    shownPane = shown;
    SettingsTools::setMeasurementsShown(shown);
    setVisible(shown);
    place();
    if (shown)
        refresh();
}

bool MeasurementPane::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == area && event->type() == QEvent::Resize)
        place();
    return QWidget::eventFilter(watched, event);
}

void MeasurementPane::place()
{
    const int height =
      shownPane ? qMin(area->height() / 2, qMax(lowestHeight, int(area->height() * shareOfArea)))
                : 0;
    setGeometry(0, area->height() - height, area->width(), height);
    raise();
    surface->setReservedBottom(height);
}

void MeasurementPane::retranslate()
{
    QStringList headers;
    for (const char* name : columnNames)
        headers << QCoreApplication::translate("Widget", name);
    table->setHorizontalHeaderLabels(headers);
    referenceCaption->setText(QCoreApplication::translate("Widget", "参考"));
    criterionCaption->setText(QCoreApplication::translate("Widget", "判定标准"));
    criterion->setItemText(0, QCoreApplication::translate("Widget", "同类部件对比"));
    criterion->setItemText(1, QCoreApplication::translate("Widget", "高于环境温度"));
    criterion->setToolTip(QCoreApplication::translate(
      "Widget", "NETA 维护测试标准：与负载相近的同类部件比较，或与环境（反射温度）比较"));
    copy->setText(QCoreApplication::translate("Widget", "复制表格"));
    copyPlot->setText(QCoreApplication::translate("Widget", "复制图表"));
    copyPlot->setToolTip(
      QCoreApplication::translate("Widget", "把线的温度分布或区域的直方图作为图片复制到剪贴板"));
    copy->setToolTip(QCoreApplication::translate("Widget", "以制表符分隔的文本复制到剪贴板"));
    refresh();
}

void MeasurementPane::refresh()
{
    if (!shownPane)
        return;
    const ImageEntity& photo = *document->photograph();
    const QVector<MeasurementRow> rows =
      document->isLoaded() ? MeasurementTable::rows(photo, document->shapes(), photo.measurement)
                           : QVector<MeasurementRow>();
    const int unit = document->settings().unit;
    tableUnit = unit;
    tableObject = document->settings().object;
    const auto temperature = [unit](double celsius) {
        return std::isnan(celsius) ? QStringLiteral("N.A")
                                   : ImageEntity::temperatureText(float(celsius), 0, unit);
    };
    filling = true;
    table->setRowCount(rows.size());
    for (int r = 0; r < rows.size(); ++r) {
        const MeasurementRow& row = rows.at(r);
        const bool shape = row.role == MeasurementRow::Role::Shape;
        QStringList cells;
        cells << (shape ? row.name
                        : QCoreApplication::translate("Widget", roleNames[int(row.role)]));
        cells << (shape ? QCoreApplication::translate("Widget", kindNames[int(row.kind)])
                        : QString());
        cells << temperature(row.maximum);
        const bool area = shape && row.kind != ShapeKind::Point;
        cells << (area ? temperature(row.minimum) : QString());
        cells << (area ? temperature(row.mean) : QString());
        QString size;
        if (shape) {
            size = QString::number(row.cells);
            if (!std::isnan(row.share))
                size += QStringLiteral(" (%1%)").arg(row.share * 100, 0, 'f', 1);
        }
        cells << size;
        cells << (std::isnan(row.emissivity) ? QString() : QString::number(row.emissivity, 'f', 2));
        QString difference;
        if (row.isReference)
            difference = QCoreApplication::translate("Widget", "参考");
        else if (!std::isnan(row.difference))
            difference = QString::number(Findings::differenceIn(row.difference, unit), 'f', 1);
        cells << difference;
        cells << severityText(row.severity);
        cells << row.note;
        for (int c = 0; c < columnCount; ++c) {
            auto* item = table->item(r, c);
            if (!item) {
                item = new QTableWidgetItem;
                table->setItem(r, c, item);
            }
            item->setText(cells.value(c));
            const bool typed = shape && (c == 0 || c == columnCount - 1);
            item->setFlags(typed ? item->flags() | Qt::ItemIsEditable
                                 : item->flags() & ~Qt::ItemIsEditable);
        }
    }
    filling = false;
    table->resizeColumnsToContents();

    // The reference: none, the surroundings, or one of the shapes by name.
    const QSignalBlocker blockReference(reference);
    const QSignalBlocker blockCriterion(criterion);
    reference->clear();
    reference->addItem(QCoreApplication::translate("Widget", "无"));
    reference->addItem(QCoreApplication::translate("Widget", "反射温度（环境）"));
    for (const ImageDrawPath& shape : document->shapes())
        reference->addItem(shape.name);
    const MeasurementSettings& settings = photo.measurement;
    reference->setCurrentIndex(settings.reference == MeasurementSettings::Reference::Ambient ? 1
                               : settings.reference == MeasurementSettings::Reference::Shape
                                 ? 2 + settings.shape
                                 : 0);
    criterion->setCurrentIndex(int(settings.criterion));
    showPlot(table->currentRow());
}

void MeasurementPane::onReferenceChosen(int index)
{
    MeasurementSettings settings = document->photograph()->measurement;
    settings.reference = index == 0   ? MeasurementSettings::Reference::None
                         : index == 1 ? MeasurementSettings::Reference::Ambient
                                      : MeasurementSettings::Reference::Shape;
    settings.shape = index >= 2 ? index - 2 : -1;
    document->setMeasurementSettings(settings);
}

void MeasurementPane::onCriterionChosen(int index)
{
    MeasurementSettings settings = document->photograph()->measurement;
    settings.criterion = Criterion(index);
    document->setMeasurementSettings(settings);
}

QString MeasurementPane::tabSeparated() const
{
    QStringList lines;
    QStringList header;
    for (int c = 0; c < table->columnCount(); ++c)
        header << table->horizontalHeaderItem(c)->text();
    lines << header.join(QLatin1Char('\t'));
    for (int r = 0; r < table->rowCount(); ++r) {
        QStringList fields;
        for (int c = 0; c < table->columnCount(); ++c) {
            // A tab or line break typed into a note would split the row.
            QString text = table->item(r, c) ? table->item(r, c)->text() : QString();
            text.replace(QLatin1Char('\t'), QLatin1Char(' '))
              .replace(QLatin1Char('\n'), QLatin1Char(' '));
            fields << text;
        }
        lines << fields.join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void MeasurementPane::onItemEdited(int row, int column)
{
    // The photograph's own three rows come first.
    const int shape = row - 3;
    if (filling || shape < 0 || shape >= document->shapes().size())
        return;
    const ImageDrawPath& edited = document->shapes().at(shape);
    const QString name = column == 0 ? table->item(row, column)->text() : edited.name;
    const QString note = column == columnCount - 1 ? table->item(row, column)->text() : edited.note;
    if (!document->setShapeText(document->shapeId(shape), name, note))
        refresh();
}

void MeasurementPane::removeCurrentShape()
{
    const int shape = table->currentRow() - 3;
    if (shape >= 0 && shape < document->shapes().size())
        document->removeShape(document->shapeId(shape));
}

void MeasurementPane::showPlot(int row)
{
    if (!document->isLoaded()) {
        plot->clear();
        return;
    }
    const ImageEntity& photo = *document->photograph();
    const TemperatureMatrix matrix = photo.temperatures();
    const RegionMeasure measure(matrix);
    const int unit = document->settings().unit;
    const int index = row - 3;
    const bool isShape = index >= 0 && index < document->shapes().size();
    ShapeKind kind = ShapeKind::Rectangle;
    QPointF start(0, 0);
    QPointF end(1, 1);
    TemperatureCorrection correction = photo.correction();
    if (isShape) {
        const ImageDrawPath& shape = document->shapes().at(index);
        correction = photo.correctionFor(shape);
        const PathPoint& from = shape.point(PointRole::Start);
        const PathPoint& to = shape.point(PointRole::End);
        if (shape.kind() == ShapeKind::Line) {
            plot->showProfile(
              measure.profile(QPointF(from.x, from.y), QPointF(to.x, to.y), correction), unit);
            return;
        }
        if (shape.kind() != ShapeKind::Point) {
            kind = shape.kind();
            start = QPointF(from.x, from.y);
            end = QPointF(to.x, to.y);
        }
    }
    // The span the area shows, in 32 steps.
    RegionMeasure::Shown figures;
    if (!measure.shown(kind, start, end, correction, figures) || !figures.known) {
        plot->clear();
        return;
    }
    const double high = std::max(figures.maximum, figures.minimum + 0.1);
    plot->showHistogram(measure.histogram(kind, start, end, correction, figures.minimum, high, 32),
                        figures.minimum,
                        high,
                        unit,
                        document->settings().range,
                        document->settings().isotherm);
}
