// quillmere-catalogue-check [--status] [--lupdate PROGRAM --module NAME=DIR[,DIR…]…] FILE.ts…
// Without --status: prints every fault of the catalogues and exits 1 when there is one. With
// --lupdate, each module's catalogues are also compared with a copy that lupdate refreshed from
// the module's code, so a text added to the code without its translation is a fault too.
// --status lists, per catalogue, the texts still to translate.
#include "cataloguecheck.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextStream>

using namespace CatalogueCheck;

namespace {

struct Options {
    bool status = false;
    QString lupdate;
    QHash<QString, QStringList> moduleSources;
    QStringList files;
};

// "quillmere_app_de.ts" belongs to "quillmere_app".
QString moduleOf(const QString &path)
{
    static const QRegularExpression suffix(QStringLiteral("_[a-z]{2,3}(?:_[A-Z]{2})?\\.ts$"));
    return QFileInfo(path).fileName().remove(suffix);
}

// The catalogues of one module refreshed from its code, keyed by file name; empty on failure.
QHash<QString, Catalogue> refreshed(const Options &options, const QString &module,
                                    const QStringList &files, QStringList &errors)
{
    QTemporaryDir scratch;
    QStringList copies;
    for (const QString &file : files) {
        const QString copy = scratch.filePath(QFileInfo(file).fileName());
        if (!QFile::copy(file, copy)) {
            errors.append(file + QStringLiteral(": couldn’t copy to ") + copy);
            return {};
        }
        QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
        copies.append(copy);
    }
    QProcess lupdate;
    lupdate.setProcessChannelMode(QProcess::MergedChannels);
    lupdate.start(options.lupdate,
                  QStringList{QStringLiteral("-silent"), QStringLiteral("-locations"),
                              QStringLiteral("none")} +
                      options.moduleSources.value(module) + QStringList{QStringLiteral("-ts")} +
                      copies);
    if (!lupdate.waitForFinished(120000) || lupdate.exitStatus() != QProcess::NormalExit ||
        lupdate.exitCode() != 0) {
        errors.append(module + QLatin1String(": lupdate failed: ") + lupdate.errorString() +
                      QLatin1Char(' ') + QString::fromLocal8Bit(lupdate.readAll()));
        return {};
    }
    QHash<QString, Catalogue> result;
    for (const QString &copy : copies)
        result.insert(QFileInfo(copy).fileName(), read(copy));
    return result;
}

bool parseArguments(const QStringList &arguments, Options &options, QTextStream &err)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (argument == QLatin1String("--status")) {
            options.status = true;
        } else if (argument == QLatin1String("--lupdate") && i + 1 < arguments.size()) {
            options.lupdate = arguments[++i];
        } else if (argument == QLatin1String("--module") && i + 1 < arguments.size()) {
            const QString value = arguments[++i];
            const qsizetype equals = value.indexOf(QLatin1Char('='));
            if (equals <= 0) {
                err << "--module takes NAME=DIR[,DIR…]: " << value << Qt::endl;
                return false;
            }
            options.moduleSources.insert(
                value.left(equals),
                value.mid(equals + 1).split(QLatin1Char(','), Qt::SkipEmptyParts));
        } else if (argument.startsWith(QLatin1String("--"))) {
            err << "unknown option " << argument << Qt::endl;
            return false;
        } else {
            options.files.append(argument);
        }
    }
    if (options.files.isEmpty()) {
        err << "usage: quillmere-catalogue-check [--status] [--lupdate PROGRAM --module "
               "NAME=DIR[,DIR…]…] FILE.ts…"
            << Qt::endl;
        return false;
    }
    return true;
}

void printStatus(const Catalogue &catalogue, const QList<Message> &missing, QTextStream &out)
{
    const QString name = QFileInfo(catalogue.path).fileName();
    const QList<Message> open = unfinished(catalogue);
    if (catalogue.isSourceLanguage()) {
        out << name << ": " << catalogue.messages.size() << " texts; " << open.size()
            << " show their source text (only plural forms need an English translation)\n";
    } else {
        out << name << ": " << catalogue.messages.size() << " texts, " << open.size()
            << " unfinished\n";
        for (const Message &message : open)
            out << "  " << message.describe() << "  // " << message.note << '\n';
    }
    if (!missing.isEmpty()) {
        out << "  not yet in the catalogue (run update_translations):\n";
        for (const Message &message : missing)
            out << "    " << message.describe() << "  // " << message.note << '\n';
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    Options options;
    if (!parseArguments(QCoreApplication::arguments(), options, err))
        return 2;

    QHash<QString, QStringList> filesByModule;
    for (const QString &file : std::as_const(options.files))
        filesByModule[moduleOf(file)].append(file);

    QStringList faults;
    QHash<QString, Catalogue> fresh;
    if (!options.lupdate.isEmpty()) {
        for (auto it = filesByModule.cbegin(); it != filesByModule.cend(); ++it) {
            if (!options.moduleSources.contains(it.key())) {
                faults.append(it.key() + QLatin1String(": no --module gives its source folders"));
                continue;
            }
            fresh.insert(refreshed(options, it.key(), it.value(), faults));
        }
    }

    for (const QString &file : std::as_const(options.files)) {
        const Catalogue catalogue = read(file);
        const auto copy = fresh.constFind(QFileInfo(file).fileName());
        if (options.status) {
            QList<Message> missing;
            if (copy != fresh.cend()) {
                QStringList keys;
                for (const Message &message : catalogue.messages)
                    keys.append(message.key());
                for (const Message &message : copy->messages) {
                    if (!keys.contains(message.key()))
                        missing.append(message);
                }
            }
            printStatus(catalogue, missing, out);
            continue;
        }
        faults += problems(catalogue);
        if (copy != fresh.cend())
            faults += staleness(catalogue, *copy);
    }

    if (options.status) {
        for (const QString &fault : std::as_const(faults))
            err << fault << '\n';
        return faults.isEmpty() ? 0 : 1;
    }
    for (const QString &fault : std::as_const(faults))
        out << fault << '\n';
    out << options.files.size() << " catalogues, " << faults.size() << " faults" << Qt::endl;
    return faults.isEmpty() ? 0 : 1;
}
