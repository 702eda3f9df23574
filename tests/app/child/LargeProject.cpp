// SPDX-License-Identifier: GPL-2.0-or-later
#include "child/LargeProject.h"

#include "cli/ProjectJson.h"
#include "controls/WindowlessProject.h"
#include "model/ProjectFile.h"
#include "model/VoStream.h"

#include <QBuffer>
#include <QImage>
#include <QJsonArray>
#include <QJsonObject>

#include <stdexcept>

namespace {

constexpr int kPictures = 16;
constexpr int kTexts = 40;
const QString kCaptionPrefix = QStringLiteral("Generation ");

// An uncompressed bitmap of a pattern that differs per picture, so no two
// objects store the same bytes.
QByteArray PatternBitmap(int index)
{
    QImage image(480, 400, QImage::Format_RGB888);
    for (int y = 0; y < image.height(); ++y) {
        uchar* line = image.scanLine(y);
        for (int x = 0; x < image.width(); ++x) {
            line[3 * x] = uchar(x * 7 + index * 13);
            line[3 * x + 1] = uchar(y * 3 + index);
            line[3 * x + 2] = uchar(x ^ y);
        }
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

QJsonObject Action(int type, const QString& parameter)
{
    return {{"ActionType", type}, {"Parameter", parameter}};
}

QJsonObject ImageObject(int index)
{
    const QJsonObject picture{{"Tag", "TBitmap"}, {"Data", QString::fromLatin1(PatternBitmap(index).toBase64())}};
    return {{"Name", QStringLiteral("Picture%1").arg(index)},
            {"ObjectType", 1},
            {"Left", 8 * index},
            {"Top", 4 * index},
            {"Width", 480},
            {"Height", 400},
            {"Kind", QJsonObject{{"Picture", picture}, {"Hint", QStringLiteral("Picture %1").arg(index)}}}};
}

QJsonObject TextObject(int index)
{
    const QJsonArray actions{Action(0, QStringLiteral("\\docs\\file%1.pdf").arg(index)),
                             Action(1, QStringLiteral("https://example.org/%1").arg(index)),
                             Action(4, QStringLiteral("\\sounds\\click%1.wav").arg(index))};
    return {{"Name", QStringLiteral("Text%1").arg(index)},
            {"ObjectType", 2},
            {"OverSound", QStringLiteral("\\sounds\\over%1.wav").arg(index)},
            {"Left", 10 + index},
            {"Top", 300 + index},
            {"Width", 120},
            {"Height", 20},
            {"Kind", QJsonObject{{"Caption", QStringLiteral("Entry number %1 of the menu").arg(index)}}},
            {"Actions", actions}};
}

} // namespace

void MakeLargeProject(TWindowlessProject& document)
{
    QJsonArray objects;
    for (int i = 0; i < kPictures; ++i) objects.append(ImageObject(i));
    for (int i = 0; i < kTexts; ++i) objects.append(TextObject(i));
    const QJsonObject json{{"Width", 800},
                           {"Height", 600},
                           {"StartActions", QJsonArray{Action(5, "\\sounds\\loop.wav")}},
                           {"ObjectList", objects}};
    QString error;
    if (!JsonToProject(json, document, error)) throw std::runtime_error(error.toStdString());
}

void SetGeneration(TWindowlessProject& document, int generation)
{
    document.Settings().FormCaption = kCaptionPrefix + QString::number(generation);
}

int GenerationOf(TWindowlessProject& document)
{
    const QString& caption = document.Settings().FormCaption;
    if (!caption.startsWith(kCaptionPrefix)) return -1;
    bool ok = false;
    const int generation = caption.mid(kCaptionPrefix.size()).toInt(&ok);
    return ok ? generation : -1;
}

QByteArray ProjectBodyBytes(TWindowlessProject& document)
{
    TMemoryStream stream;
    if (!WriteProjectBody(document, stream)) return {};
    return stream.Data();
}

QByteArray BodyOfDataFile(const QByteArray& bytes)
{
    TMemoryStream stream(bytes);
    stream.Seek(8);
    QString header;
    if (!ReadScrambledString(stream, header)) return {};
    return bytes.mid(stream.Position() + 4);
}
