#include "model/extensionblock.h"

#include "model/imageentity.h"
#include "model/radiometricformat.h"

#include <QDebug>
#include <QJsonDocument>
#include <QJsonValue>
#include <QPair>
#include <QVector>
#include <QtEndian>

#include <algorithm>
#include <cmath>

namespace {

using namespace RadiometricFormat;

const QString versionKey = QStringLiteral("version");
const QString blendKey = QStringLiteral("blend");

QByteArray compact(const QJsonObject& object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

// "version" is written first, so a look at the block's first bytes tells which rules it follows;
// QJsonObject itself keeps its keys sorted.
QByteArray versionFirst(const QJsonObject& rest)
{
    const QByteArray head =
      "{\"" + versionKey.toUtf8() + "\":" + QByteArray::number(extensionVersion);
    return rest.isEmpty() ? head + '}' : head + ',' + compact(rest).mid(1);
}

} // namespace

// A sound block holds a JSON object; a valid blend in it is the degree the slider was at, which
// the device block only keeps in steps of 25.
void ExtensionBlock::read(const QByteArray& bytes, qint64 offset, ImageEntity& entity)
{
    const qint64 size = bytes.size();
    if (size - offset < tagSize ||
        bytes.mid(int(offset), tagSize) != QByteArray(RadiometricFormat::extensionTag))
        return;
    const char* problem = nullptr;
    const qint64 payloadOffset = offset + tagSize + blockLengthSize;
    const qint64 payloadLength = size - payloadOffset >= 0
                                   ? qFromLittleEndian<qint32>(bytes.constData() + offset + tagSize)
                                   : -1;
    QJsonObject object;
    if (size - payloadOffset < 0)
        problem = "长度缺失";
    else if (payloadLength < 0 || payloadLength > maximumExtensionPayload)
        problem = "长度错误";
    else if (size - payloadOffset < payloadLength + endTagSize ||
             bytes.mid(int(payloadOffset + payloadLength), endTagSize) !=
               QByteArray(RadiometricFormat::extensionEndTag))
        problem = "数据不完整";
    else {
        QJsonParseError error;
        const QJsonDocument document =
          QJsonDocument::fromJson(bytes.mid(int(payloadOffset), int(payloadLength)), &error);
        if (error.error != QJsonParseError::NoError || !document.isObject())
            problem = "不是JSON对象";
        else
            object = document.object();
    }
    if (problem) {
        qDebug() << "扩展数据块无效，已忽略：" << problem << Qt::endl;
        return;
    }
    entity.extension = object;
    const QJsonValue blend = object.value(blendKey);
    const double degree = blend.toDouble(-1);
    if (blend.isDouble() && degree >= 0 && degree <= 100 && degree == std::floor(degree))
        entity.details.blend = int(degree);
}

QByteArray ExtensionBlock::payload(const QJsonObject& extension, int blend)
{
    QJsonObject rest = extension;
    rest.remove(versionKey);
    rest.insert(blendKey, qBound(0, blend, 100));
    QByteArray payload = versionFirst(rest);
    if (payload.size() <= maximumExtensionPayload)
        return payload;

    // Each carried key costs its "key":value and a comma; the largest go first.
    QVector<QPair<qint64, QString>> carried;
    for (auto it = rest.constBegin(); it != rest.constEnd(); ++it) {
        if (it.key() != blendKey)
            carried.append(
              { compact(QJsonObject{ { it.key(), it.value() } }).size() - 1, it.key() });
    }
    std::sort(carried.begin(), carried.end(), [](const auto& a, const auto& b) {
        return a.first > b.first;
    });
    qint64 size = payload.size();
    int dropped = 0;
    for (const auto& [cost, key] : carried) {
        if (size <= maximumExtensionPayload)
            break;
        rest.remove(key);
        size -= cost;
        ++dropped;
    }
    payload = versionFirst(rest);
    if (payload.size() > maximumExtensionPayload) {
        dropped = carried.size();
        payload = versionFirst(QJsonObject{ { blendKey, qBound(0, blend, 100) } });
    }
    qDebug() << "扩展数据过大，舍弃的键数：" << dropped << Qt::endl;
    return payload;
}
