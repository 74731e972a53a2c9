// SPDX-License-Identifier: GPL-3.0-or-later
// Games of some size keep their rooms in several files, and the main file includes them: the
// classic ZIL games one file a region, many Inform 6 games a file of rooms.
#include "sourceincludes.h"

#include "transcript.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>

namespace rumbario {

QString IncludedSource::placeOf(int line) const
{
    auto origin =
        std::upper_bound(origins.begin(), origins.end(), line,
                         [](int wanted, const SourceLines &run) { return wanted < run.firstLine; });
    if (origin == origins.begin())
        return QStringLiteral("línea %1").arg(line);
    --origin;
    const int fileLine = origin->fileLine + line - origin->firstLine;
    return origin->file.isEmpty() ? QStringLiteral("línea %1").arg(fileLine)
                                  : QStringLiteral("%1, línea %2").arg(origin->file).arg(fileLine);
}

namespace {

/** How a language includes a file, its name captured; none for languages that do not. */
const QRegularExpression *includePattern(GameLanguage language)
{
    static const QRegularExpression inform6(
        QStringLiteral("^[ \\t]*include[ \\t]+\"([^\"]+)\"[ \\t]*;"),
        QRegularExpression::MultilineOption | QRegularExpression::CaseInsensitiveOption);
    // A ";" before a form makes it a comment; IFILE is the Infocom games' own name for it.
    static const QRegularExpression zil(
        QStringLiteral("(?<!;)<(?:insert-file|ifile)[ \\t]+\"([^\"]+)\"[^>]*>"),
        QRegularExpression::CaseInsensitiveOption);
    switch (language) {
    case GameLanguage::Inform6:
        return &inform6;
    case GameLanguage::Zil:
        return &zil;
    default:
        return nullptr;
    }
}

/** The names a file is included by, with the extensions the language leaves out. */
QStringList candidateNames(QString name, GameLanguage language)
{
    // Inform 6's ">rooms" is "rooms" in the folder of the source that includes it.
    if (name.startsWith(u'>'))
        name.remove(0, 1);
    if (language == GameLanguage::Zil)
        return {name + QStringLiteral(".zil"), name + QStringLiteral(".mud"), name};
    return {name, name + QStringLiteral(".h"), name + QStringLiteral(".inf")};
}

class Includer
{
public:
    Includer(GameLanguage language, const QFileInfo &source)
        : mLanguage(language)
        , mFolder(source.absolutePath())
        , mIncluded{source.fileName()}
    {}

    void expand(const QString &text, const QString &file)
    {
        const QRegularExpression *pattern = includePattern(mLanguage);
        qsizetype done = 0;
        int line = 1;
        for (auto matches = pattern->globalMatch(text); matches.hasNext();) {
            const QRegularExpressionMatch include = matches.next();
            const QString name = fileNamed(include.captured(1));
            const auto included = name.isEmpty() ? std::nullopt : read(name);
            if (!included)
                continue;
            const QStringView before = QStringView(text).mid(done, include.capturedStart() - done);
            append(before, file, line);
            line += int(before.count(u'\n'));
            mSource.text += u'\n';
            ++mLine;
            expand(*included, name);
            mSource.text += u'\n';
            ++mLine;
            done = include.capturedEnd();
            // A ZIL form may take more than one line.
            line += int(include.capturedView().count(u'\n'));
        }
        append(QStringView(text).mid(done), file, line);
    }

    IncludedSource result() { return std::move(mSource); }

private:
    void append(QStringView text, const QString &file, int fileLine)
    {
        mSource.origins.append({mLine, file, fileLine});
        mSource.text += text;
        mLine += int(text.count(u'\n'));
    }

    /** The folder's file an include names, if it has one not yet included. */
    QString fileNamed(const QString &included)
    {
        // The folder is listed once, when a source first includes something, and names are
        // compared as the game's own tools did on systems that ignored capitals.
        if (!mListed) {
            for (const QString &name : QDir(mFolder).entryList(QDir::Files | QDir::Readable))
                mFiles.insert(name.toLower(), name);
            mListed = true;
        }
        for (const QString &candidate : candidateNames(included, mLanguage)) {
            const QString name = mFiles.value(candidate.toLower());
            if (!name.isEmpty())
                return mIncluded.contains(name) ? QString() : name;
        }
        return QString();
    }

    std::optional<QString> read(const QString &name)
    {
        QFile file(QDir(mFolder).filePath(name));
        if (!file.open(QIODevice::ReadOnly) || mSize + file.size() > maxGameSourceSize)
            return std::nullopt;
        mIncluded.insert(name);
        mSource.files.append(name);
        mSize += file.size();
        return transcriptText(file.readAll());
    }

    GameLanguage mLanguage;
    QString mFolder;
    QSet<QString> mIncluded;
    QHash<QString, QString> mFiles;
    bool mListed = false;
    qint64 mSize = 0;
    IncludedSource mSource;
    int mLine = 1;
};

} // namespace

IncludedSource includeFiles(const QString &text, GameLanguage language, const QString &path)
{
    if (!includePattern(language))
        return {text, {}, {}};
    Includer includer(language, QFileInfo(path));
    includer.expand(text, QString());
    return includer.result();
}

} // namespace rumbario
