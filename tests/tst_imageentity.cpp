#include "model/imageentity.h"

#include <QtTest>

namespace {

ImageDrawPath shape(int type, float base)
{
    ImageDrawPath path;
    path.type = type;
    path.path.addRect(QRectF(base, base, 10, 20));
    for (int i = 0; i < ImageDrawPath::pointCount; ++i)
        path.points[i] = PathPoint(base + i, base - i, base * i, i % 2);
    return path;
}

void fillFeature(FeaturePoint& point, quint16 x, quint16 y, float temperature)
{
    point.x = x;
    point.y = y;
    point.temperature = temperature;
}

// Every field differs from its default, so a field a copy forgets shows up.
ImageEntity filledEntity()
{
    ImageEntity entity;
    entity.featureImage = QImage(3, 2, QImage::Format_RGB32);
    entity.featureLength = 11;
    entity.screenImage = QImage(5, 4, QImage::Format_RGB32);
    entity.screenWidth = 5;
    entity.screenHeight = 30;
    entity.screenLength = 12;
    entity.cameraImage = QImage(7, 6, QImage::Format_RGB32);
    entity.cameraLength = 13;
    entity.temperatureWidth = 2;
    entity.temperatureHeight = 3;
    entity.paletteImage = QImage(2, 3, QImage::Format_RGB32);
    entity.temperatureData = QByteArray(12, 'a');
    entity.grayWidth = 4;
    entity.grayHeight = 5;
    entity.grayData = QByteArray(20, 'b');
    entity.details.infoLength = 112;
    entity.details.infoText1 = QStringLiteral("one");
    entity.details.infoText2 = QStringLiteral("two");
    entity.details.captureTime = QStringLiteral("2026-01-02 03:04:05");
    fillFeature(entity.details.feature.maxPoint, 1, 2, 40.5f);
    fillFeature(entity.details.feature.minPoint, 3, 4, -3.5f);
    fillFeature(entity.details.feature.centrePoint, 5, 6, 21.0f);
    entity.details.emissivity = 95;
    entity.details.palette = 3;
    entity.details.unit = 2;
    entity.details.blend = 75;
    entity.details.margin.top = 13;
    entity.details.margin.right = 1;
    entity.details.margin.bottom = 14;
    entity.details.margin.left = 2;
    entity.details.featureShown = false;
    entity.image_drawpaths << shape(0, 0.1f) << shape(1, 0.2f) << shape(3, 0.3f);
    entity.loaded = true;
    entity.extension = QJsonObject{ { QStringLiteral("version"), 1 },
                                    { QStringLiteral("later"), QStringLiteral("kept") } };
    return entity;
}

void compareFeature(const FeaturePoint& actual, const FeaturePoint& expected)
{
    QCOMPARE(actual.x, expected.x);
    QCOMPARE(actual.y, expected.y);
    QCOMPARE(actual.temperature, expected.temperature);
}

void comparePaths(const ImageDrawPath& actual, const ImageDrawPath& expected)
{
    QCOMPARE(actual.type, expected.type);
    QCOMPARE(actual.path, expected.path);
    for (int i = 0; i < ImageDrawPath::pointCount; ++i) {
        QCOMPARE(actual.points[i].x, expected.points[i].x);
        QCOMPARE(actual.points[i].y, expected.points[i].y);
        QCOMPARE(actual.points[i].value, expected.points[i].value);
        QCOMPARE(actual.points[i].unit, expected.points[i].unit);
    }
}

void compareEntities(const ImageEntity& actual, const ImageEntity& expected)
{
    QCOMPARE(actual.featureImage, expected.featureImage);
    QCOMPARE(actual.featureLength, expected.featureLength);
    QCOMPARE(actual.screenImage, expected.screenImage);
    QCOMPARE(actual.screenWidth, expected.screenWidth);
    QCOMPARE(actual.screenHeight, expected.screenHeight);
    QCOMPARE(actual.screenLength, expected.screenLength);
    QCOMPARE(actual.cameraImage, expected.cameraImage);
    QCOMPARE(actual.cameraLength, expected.cameraLength);
    QCOMPARE(actual.temperatureWidth, expected.temperatureWidth);
    QCOMPARE(actual.temperatureHeight, expected.temperatureHeight);
    QCOMPARE(actual.paletteImage, expected.paletteImage);
    QCOMPARE(actual.temperatureData, expected.temperatureData);
    QCOMPARE(actual.grayWidth, expected.grayWidth);
    QCOMPARE(actual.grayHeight, expected.grayHeight);
    QCOMPARE(actual.grayData, expected.grayData);
    const ImageDetails& a = actual.details;
    const ImageDetails& e = expected.details;
    QCOMPARE(a.infoLength, e.infoLength);
    QCOMPARE(a.infoText1, e.infoText1);
    QCOMPARE(a.infoText2, e.infoText2);
    QCOMPARE(a.captureTime, e.captureTime);
    compareFeature(a.feature.maxPoint, e.feature.maxPoint);
    compareFeature(a.feature.minPoint, e.feature.minPoint);
    compareFeature(a.feature.centrePoint, e.feature.centrePoint);
    QCOMPARE(a.emissivity, e.emissivity);
    QCOMPARE(a.palette, e.palette);
    QCOMPARE(a.unit, e.unit);
    QCOMPARE(a.blend, e.blend);
    QCOMPARE(a.margin.top, e.margin.top);
    QCOMPARE(a.margin.right, e.margin.right);
    QCOMPARE(a.margin.bottom, e.margin.bottom);
    QCOMPARE(a.margin.left, e.margin.left);
    QCOMPARE(a.featureShown, e.featureShown);
    QCOMPARE(actual.image_drawpaths.size(), expected.image_drawpaths.size());
    for (int i = 0; i < actual.image_drawpaths.size(); ++i)
        comparePaths(actual.image_drawpaths[i], expected.image_drawpaths[i]);
    QCOMPARE(actual.loaded, expected.loaded);
    QCOMPARE(actual.extension, expected.extension);
}

template<typename T>
void checkCopyLeavesIdentity()
{
    QObject owner;
    T source(&owner);
    source.setObjectName(QStringLiteral("source"));
    const T copy(source);
    QVERIFY2(copy.parent() == nullptr, T::staticMetaObject.className());
    QVERIFY(copy.objectName().isEmpty());

    QObject otherOwner;
    T target(&otherOwner);
    target.setObjectName(QStringLiteral("target"));
    target = source;
    QVERIFY2(target.parent() == &otherOwner, T::staticMetaObject.className());
    QCOMPARE(target.objectName(), QStringLiteral("target"));
}

} // namespace

class TestImageEntity : public QObject
{
    Q_OBJECT
private slots:
    void freshEntityIsEmpty();
    void freshPathPointIsCelsius();
    void pathPointConstructorSetsEveryField();
    void copyConstructionCopiesEveryField();
    void copyAssignmentCopiesEveryField();
    void changingACopysShapesLeavesTheSource();
    void copiesNeverTakeParentOrName();
    void metaTypesTravelInVariants();
};

void TestImageEntity::freshEntityIsEmpty()
{
    const ImageEntity entity;
    QVERIFY(!entity.loaded);
    QCOMPARE(entity.temperatureWidth, 0);
    QCOMPARE(entity.temperatureHeight, 0);
    QVERIFY(entity.temperatureData.isEmpty());
    QVERIFY(entity.grayData.isEmpty());
    QVERIFY(entity.image_drawpaths.isEmpty());
    QVERIFY(entity.featureImage.isNull());
    QVERIFY(entity.screenImage.isNull());
    QVERIFY(entity.cameraImage.isNull());
    QVERIFY(entity.paletteImage.isNull());
    QVERIFY(entity.details.featureShown);
}

void TestImageEntity::freshPathPointIsCelsius()
{
    QCOMPARE(PathPoint().unit, 0);
    const ImageDrawPath path;
    for (const PathPoint& point : path.points)
        QCOMPARE(point.unit, 0);
    QVERIFY(path.path.isEmpty());
}

void TestImageEntity::pathPointConstructorSetsEveryField()
{
    const PathPoint point(0.25f, 0.75f, 36.5f, 1);
    QCOMPARE(point.x, 0.25f);
    QCOMPARE(point.y, 0.75f);
    QCOMPARE(point.value, 36.5f);
    QCOMPARE(point.unit, 1);
}

void TestImageEntity::copyConstructionCopiesEveryField()
{
    const ImageEntity source = filledEntity();
    const ImageEntity copy(source);
    compareEntities(copy, source);
}

void TestImageEntity::copyAssignmentCopiesEveryField()
{
    const ImageEntity source = filledEntity();
    ImageEntity target;
    target.image_drawpaths << shape(2, 0.9f);
    target = source;
    compareEntities(target, source);
}

void TestImageEntity::changingACopysShapesLeavesTheSource()
{
    const ImageEntity source = filledEntity();
    ImageEntity copy(source);
    copy.image_drawpaths[0].points[3].value = 99.0f;
    copy.image_drawpaths[1].type = 2;
    copy.image_drawpaths[2].path = QPainterPath();
    copy.image_drawpaths.removeLast();

    QCOMPARE(source.image_drawpaths.size(), 3);
    comparePaths(source.image_drawpaths[0], shape(0, 0.1f));
    comparePaths(source.image_drawpaths[1], shape(1, 0.2f));
    comparePaths(source.image_drawpaths[2], shape(3, 0.3f));
}

void TestImageEntity::copiesNeverTakeParentOrName()
{
    checkCopyLeavesIdentity<ImageEntity>();
    checkCopyLeavesIdentity<ImageDetails>();
    checkCopyLeavesIdentity<ImageFeature>();
    checkCopyLeavesIdentity<FeaturePoint>();
    checkCopyLeavesIdentity<ImageMargin>();
    checkCopyLeavesIdentity<ImageDrawPath>();
    checkCopyLeavesIdentity<PathPoint>();
}

void TestImageEntity::metaTypesTravelInVariants()
{
    const int entityType = qRegisterMetaType<ImageEntity>("ImageEntity");
    const int pathType = qRegisterMetaType<ImageDrawPath>("ImageDrawPath");
    QCOMPARE(QMetaType::type("ImageEntity"), entityType);
    QCOMPARE(QMetaType::type("ImageDrawPath"), pathType);
    QCOMPARE(qRegisterMetaType<ImageEntity>("ImageEntity"), entityType);

    const ImageEntity source = filledEntity();
    const QVariant entityVariant = QVariant::fromValue(source);
    compareEntities(entityVariant.value<ImageEntity>(), source);

    const ImageDrawPath path = shape(3, 0.5f);
    const QVariant pathVariant(pathType, &path);
    comparePaths(pathVariant.value<ImageDrawPath>(), path);
}

QTEST_APPLESS_MAIN(TestImageEntity)
#include "tst_imageentity.moc"
