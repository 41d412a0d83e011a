#include "bench/display.h"

#include "bench/e2e.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QThread>

#include <xcb/xcb.h>

#include <poll.h>
#include <unistd.h>

#include <cstdlib>

namespace bench {

struct Display::Impl
{
    QProcess server;
    QString name;
    xcb_connection_t* conn = nullptr;
    xcb_window_t root = 0;

    ~Impl()
    {
        if (conn)
            xcb_disconnect(conn);
        if (server.state() != QProcess::NotRunning) {
            server.terminate();
            if (!server.waitForFinished(5000)) {
                server.kill();
                server.waitForFinished(5000);
            }
        }
    }

    bool start(int number)
    {
        name = QStringLiteral(":%1").arg(number);
        server.setProgram(QStringLiteral("Xvfb"));
        server.setArguments({name, QStringLiteral("-screen"), QStringLiteral("0"),
                             QStringLiteral("1280x1024x24"), QStringLiteral("-nolisten"),
                             QStringLiteral("tcp")});
        server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        server.start();
        if (!server.waitForStarted(5000))
            return false;
        const QByteArray display = name.toLatin1();
        for (int tries = 0; tries < 100 && server.state() == QProcess::Running; ++tries) {
            QThread::msleep(50);
            int screenNumber = 0;
            xcb_connection_t* c = xcb_connect(display.constData(), &screenNumber);
            if (xcb_connection_has_error(c)) {
                xcb_disconnect(c);
                continue;
            }
            conn = c;
            root = xcb_setup_roots_iterator(xcb_get_setup(conn)).data->root;
            // Told of every window mapped at the top.
            const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
            xcb_change_window_attributes(conn, root, XCB_CW_EVENT_MASK, &mask);
            xcb_flush(conn);
            return true;
        }
        server.kill();
        server.waitForFinished(5000);
        return false;
    }

    int width(xcb_window_t window) const
    {
        xcb_get_geometry_reply_t* reply =
            xcb_get_geometry_reply(conn, xcb_get_geometry(conn, window), nullptr);
        const int w = reply ? reply->width : 0;
        std::free(reply);
        return w;
    }

    void drain()
    {
        while (xcb_generic_event_t* e = xcb_poll_for_event(conn))
            std::free(e);
    }
};

Display::Display() : d(std::make_unique<Impl>())
{
    for (int number = 80; number < 120; ++number) {
        if (QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(number)) ||
            QFileInfo::exists(QStringLiteral("/tmp/.X%1-lock").arg(number)))
            continue;
        if (d->start(number))
            return;
    }
}

Display::~Display() = default;

bool Display::ok() const
{
    return d->conn != nullptr;
}

Display::Shown Display::startAndWatch(const QString& program, int minWidth, int timeoutMs)
{
    Shown shown;
    if (!ok())
        return shown;
    d->drain();
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), d->name);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    child.setProcessEnvironment(env);
    child.setStandardOutputFile(QProcess::nullDevice());
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const double start = monotonicMs();
    child.start(program, {});
    const int fd = xcb_get_file_descriptor(d->conn);
    while (shown.main < 0 && monotonicMs() - start < timeoutMs) {
        pollfd p{fd, POLLIN, 0};
        ::poll(&p, 1, 20);
        while (xcb_generic_event_t* e = xcb_poll_for_event(d->conn)) {
            const double at = monotonicMs() - start;
            if ((e->response_type & 0x7f) == XCB_MAP_NOTIFY) {
                const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(e);
                if (shown.first < 0)
                    shown.first = at;
                if (shown.main < 0 && d->width(map->window) >= minWidth)
                    shown.main = at;
            }
            std::free(e);
        }
        if (xcb_connection_has_error(d->conn))
            break;
    }
    child.terminate();
    if (!child.waitForFinished(10000)) {
        child.kill();
        child.waitForFinished(10000);
    }
    d->drain();
    return shown;
}

ProgramFolder::ProgramFolder(const QString& builtFolder, const QString& inventory)
{
    QByteArray pattern = QFile::encodeName(QDir::tempPath() + QStringLiteral("/quillarbon-display-XXXXXX"));
    if (!::mkdtemp(pattern.data()))
        return;
    path_ = QFile::decodeName(pattern);
    const QDir built(builtFolder);
    const QStringList files = built.entryList(QDir::Files);
    for (const QString& name : files) {
        if (name.startsWith(QLatin1String("QBData.mdb")))
            continue;
        const QString from = built.filePath(name), to = path_ + QLatin1Char('/') + name;
        if (::link(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) != 0 &&
            !QFile::copy(from, to))
            return;
    }
    ok_ = QFile::copy(inventory, path_ + QStringLiteral("/QBData.mdb"));
}

ProgramFolder::~ProgramFolder()
{
    if (!path_.isEmpty())
        QDir(path_).removeRecursively();
}

QString ProgramFolder::program() const
{
    return path_ + QStringLiteral("/quillarbon");
}

} // namespace bench
