// SPDX-License-Identifier: GPL-2.0-or-later
#include "studio/RuntimePlan.h"

#include "platform/ElfDynamic.h"
#include "studio/LoaderView.h"
#include "studio/RuntimeBaseSet.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QMap>
#include <QSet>
#include <QVersionNumber>

namespace {

// The Qt plug-ins the player loads: the X11 platform (the runtime's
// player always runs on X11, through XWayland on a Wayland desktop), its
// OpenGL integrations, which the browser engine's shared context needs,
// and the ICO reader for the window icon.
struct PluginFile {
    const char* path;
    bool required;
};
constexpr PluginFile kMenuPlugins[] = {
    {"platforms/libqxcb.so", true},
    {"xcbglintegrations/libqxcb-glx-integration.so", false},
    {"xcbglintegrations/libqxcb-egl-integration.so", false},
    {"imageformats/libqico.so", false},
};
constexpr PluginFile kSoundPlugins[] = {{"multimedia/libgstreamermediaplugin.so", true}};

// The GStreamer plug-ins that play WAV and MP3 files through the pipeline
// Qt Multimedia builds (which makes a video converter even for sound).
// Releases name some of them differently; each group needs one.
const QList<QStringList> kGStreamerPlugins = {
    {QStringLiteral("libgstcoreelements.so")},
    {QStringLiteral("libgsttypefindfunctions.so")},
    {QStringLiteral("libgstplayback.so")},
    {QStringLiteral("libgstaudioconvert.so")},
    {QStringLiteral("libgstaudioresample.so")},
    {QStringLiteral("libgstvolume.so")},
    {QStringLiteral("libgstautodetect.so")},
    {QStringLiteral("libgstalsa.so")},
    {QStringLiteral("libgstpulseaudio.so")},
    {QStringLiteral("libgstwavparse.so")},
    {QStringLiteral("libgstaudioparsers.so")},
    {QStringLiteral("libgstmpg123.so")},
    {QStringLiteral("libgstid3demux.so")},
    {QStringLiteral("libgstvideoconvertscale.so"), QStringLiteral("libgstvideoconvert.so")},
    {QStringLiteral("libgstapp.so")},
};

const QString kWebProcess = QStringLiteral("QtWebEngineProcess");
const QString kWebLocale = QStringLiteral("qtwebengine_locales/en-US.pak");

bool IsCLibrary(const QByteArray& soname)
{
    static const QSet<QByteArray> names = {"libc.so.6", "libm.so.6", "libpthread.so.0", "libdl.so.2",
                                           "librt.so.1", "libresolv.so.2", "ld-linux-x86-64.so.2"};
    return names.contains(soname);
}

class Planner {
public:
    Planner(RuntimePlan& plan, QString* error) : m_plan(plan), m_error(error) {}

    // A program, plug-in or module and the libraries below it; target
    // empty: the file itself is not copied.
    bool AddRoot(const QString& file, const QString& target)
    {
        QMap<QByteArray, QString> resolved;
        if (!ResolveWithLoader(file, resolved, m_error)) return false;
        if (!target.isEmpty()) m_plan.files.append({file, target, false});
        m_loaded = resolved;
        return Walk(file);
    }

    void AddData(const QString& file, const QString& target) { m_plan.files.append({file, target, false}); }

    QString Resolved(const QByteArray& soname) const { return m_loaded.value(soname); }

    void Finish()
    {
        m_plan.glibc = m_glibc.isNull() ? QString() : m_glibc.toString();
    }

private:
    bool Walk(const QString& file)
    {
        QFile elf(file);
        ElfDynamic dynamic;
        QString reason;
        if (!elf.open(QIODevice::ReadOnly) || !ReadElfDynamic(elf, dynamic, &reason)) {
            *m_error = QStringLiteral("\"%1\" could not be read: %2").arg(file, reason.isEmpty() ? elf.errorString() : reason);
            return false;
        }
        for (const auto& [library, version] : NeededVersions(elf, dynamic)) {
            if (!IsCLibrary(library) || !version.startsWith("GLIBC_2.")) continue;
            const QVersionNumber number = QVersionNumber::fromString(QString::fromLatin1(version.mid(6)));
            if (!number.isNull() && number > m_glibc) m_glibc = number;
        }
        elf.close();
        for (const QByteArray& soname : dynamic.Needed()) {
            if (IsBaseSetLibrary(soname) || m_libraries.contains(soname)) continue;
            const QString found = m_loaded.value(soname);
            if (found.isEmpty()) {
                *m_error = QStringLiteral("\"%1\" needs the library %2, which this system does not have")
                               .arg(file, QString::fromLatin1(soname));
                return false;
            }
            m_libraries.insert(soname);
            QFile library(found);
            ElfDynamic below;
            const bool ownPath = library.open(QIODevice::ReadOnly) && ReadElfDynamic(library, below)
                                 && !below.SearchPath().isEmpty();
            m_plan.files.append({found, QLatin1String(kRuntimeLibraryFolder) + QLatin1Char('/') + QString::fromLatin1(soname),
                                 ownPath});
            if (!Walk(found)) return false;
        }
        return true;
    }

    RuntimePlan& m_plan;
    QString* m_error;
    QMap<QByteArray, QString> m_loaded;
    QSet<QByteArray> m_libraries;
    QVersionNumber m_glibc;
};

bool AddPlugins(Planner& planner, const QString& folder, const PluginFile* begin, const PluginFile* end, QString* error)
{
    for (const PluginFile* plugin = begin; plugin != end; ++plugin) {
        const QString path = QLatin1String(plugin->path);
        const QString file = QDir(folder).filePath(path);
        if (!QFileInfo(file).isFile()) {
            if (!plugin->required) continue;
            *error = QStringLiteral("the Qt plug-in \"%1\" is not on this system").arg(file);
            return false;
        }
        if (!planner.AddRoot(file, QStringLiteral("plugins/") + path)) return false;
    }
    return true;
}

bool AddGStreamer(Planner& planner, const QString& folder, QString* error)
{
    for (const QStringList& names : kGStreamerPlugins) {
        const auto present = std::find_if(names.begin(), names.end(), [&](const QString& name) {
            return QFileInfo(QDir(folder).filePath(name)).isFile();
        });
        if (present == names.end()) {
            *error = QStringLiteral("the GStreamer plug-in \"%1\" is not in \"%2\"").arg(names.first(), folder);
            return false;
        }
        if (!planner.AddRoot(QDir(folder).filePath(*present), QStringLiteral("gstreamer-1.0/") + *present))
            return false;
    }
    return true;
}

bool AddWebEngine(Planner& planner, const RuntimeSources& sources, QString* error)
{
    const QString process = QDir(sources.libraryExecutables).filePath(kWebProcess);
    if (!QFileInfo(process).isFile()) {
        *error = QStringLiteral("the browser engine's helper \"%1\" is not on this system").arg(process);
        return false;
    }
    if (!planner.AddRoot(process, QStringLiteral("libexec/") + kWebProcess)) return false;
    // The engine's resources, without the developer tools' own.
    const QDir resources(QDir(sources.data).filePath(QStringLiteral("resources")));
    const QStringList names = resources.entryList(QDir::Files, QDir::Name);
    if (names.isEmpty()) {
        *error = QStringLiteral("the browser engine's resources are not in \"%1\"").arg(resources.path());
        return false;
    }
    for (const QString& name : names)
        if (!name.contains(QLatin1String("devtools")))
            planner.AddData(resources.filePath(name), QStringLiteral("resources/") + name);
    const QString locale = QDir(sources.translations).filePath(kWebLocale);
    if (QFileInfo(locale).isFile()) planner.AddData(locale, QStringLiteral("translations/") + kWebLocale);
    return true;
}

} // namespace

RuntimeSources QtRuntimeSources()
{
    return {QLibraryInfo::path(QLibraryInfo::PluginsPath), QLibraryInfo::path(QLibraryInfo::LibraryExecutablesPath),
            QLibraryInfo::path(QLibraryInfo::DataPath), QLibraryInfo::path(QLibraryInfo::TranslationsPath)};
}

bool PlanLinuxRuntime(const QString& player, const QStringList& modules, const RuntimeParts& parts,
                      const RuntimeSources& sources, RuntimePlan& plan, QString* error)
{
    plan = {};
    Planner planner(plan, error);
    if (!planner.AddRoot(player, QString())) return false;
    for (const QString& module : modules)
        if (!planner.AddRoot(module, QString())) return false;
    if (!AddPlugins(planner, sources.plugins, std::begin(kMenuPlugins), std::end(kMenuPlugins), error)) return false;
    if (parts.sound) {
        if (!AddPlugins(planner, sources.plugins, std::begin(kSoundPlugins), std::end(kSoundPlugins), error))
            return false;
        // GStreamer keeps its plug-ins beside the library the loader found.
        const QString gstreamer = planner.Resolved("libgstreamer-1.0.so.0");
        if (gstreamer.isEmpty()) {
            *error = QStringLiteral("the media plug-in does not use GStreamer");
            return false;
        }
        if (!AddGStreamer(planner, QDir(QFileInfo(gstreamer).absolutePath()).filePath(QStringLiteral("gstreamer-1.0")),
                          error))
            return false;
    }
    if (parts.web && !AddWebEngine(planner, sources, error)) return false;
    planner.Finish();
    return true;
}
