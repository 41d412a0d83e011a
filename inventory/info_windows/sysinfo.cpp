#include "inventory/info_windows/sysinfo.h"

#include "platform/forms/msgbox.h"
#include "platform/registry/registry.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>

namespace info {

namespace {

// Where the registry keeps the tool: its full path, or else the folder that holds it.
const QString kToolKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QString kToolValue = QStringLiteral("PATH");
const QString kToolFolderKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");
const QString kToolFolderValue = QStringLiteral("MSINFO");
const QString kToolFile = QStringLiteral("\\MSINFO32.EXE");

constexpr std::uint32_t kLocalMachine = 0x80000002u;
constexpr registry::DWORD kBufferSize = 1024;

// The values are only read, and an ordinary user may not open the machine's keys for
// writing, so ask for read access alone.
constexpr registry::DWORD kKeyRead = registry::KEY_READ;

std::unique_ptr<Launcher>& launcher()
{
    static std::unique_ptr<Launcher> instance = std::make_unique<DetachedLauncher>();
    return instance;
}

// Closes an opened key however the read ends; an open that failed left the handle 0.
class KeyCloser
{
public:
    explicit KeyCloser(registry::HKEY& key) : key_(key) {}
    ~KeyCloser()
    {
        try {
            registry::RegCloseKey(key_);
        } catch (...) {
            // Unbound close: nothing more can be done for this key.
        }
    }
    KeyCloser(const KeyCloser&) = delete;
    KeyCloser& operator=(const KeyCloser&) = delete;

private:
    registry::HKEY& key_;
};

void unavailable()
{
    forms::MsgBox(QCoreApplication::translate("frmAbout", "System Information Is Unavailable At This Time"),
                  forms::OkOnly);
}

} // namespace

bool GetKeyValue(std::uint32_t KeyRoot, const QString& KeyName, const QString& SubKeyRef, QString& KeyVal)
{
    registry::HKEY hKey = 0;
    KeyCloser closer(hKey);

    const QByteArray path = KeyName.toLocal8Bit();
    if (registry::RegOpenKeyExA(registry::rootKey(KeyRoot), path.constData(), 0, kKeyRead, &hKey) !=
        registry::ERROR_SUCCESS) {
        KeyVal.clear();
        return false;
    }

    QByteArray buffer(kBufferSize, '\0');
    registry::DWORD size = kBufferSize;
    registry::DWORD type = 0;
    const QByteArray name = SubKeyRef.toLocal8Bit();
    if (registry::RegQueryValueExA(hKey, name.constData(), nullptr, &type,
                                   reinterpret_cast<registry::BYTE*>(buffer.data()),
                                   &size) != registry::ERROR_SUCCESS) {
        KeyVal.clear();
        return false;
    }

    // A text usually ends in its NUL, which is not part of it.
    qsizetype length = qMin<qsizetype>(size, kBufferSize);
    if (length > 0 && buffer.at(length - 1) == '\0')
        --length;
    buffer.truncate(length);

    switch (type) {
    case registry::REG_SZ:
        KeyVal = QString::fromLocal8Bit(buffer);
        break;
    case registry::REG_DWORD: {
        // Little-endian, low byte first; a cut NUL is a zero high byte.
        std::uint32_t number = 0;
        for (qsizetype i = qMin<qsizetype>(buffer.size(), 4) - 1; i >= 0; --i)
            number = (number << 8) | static_cast<unsigned char>(buffer.at(i));
        KeyVal = QString::number(number);
        break;
    }
    default:
        break;
    }
    return true;
}

void StartSysInfo()
{
    try {
        QString SysInfoPath;
        if (!GetKeyValue(kLocalMachine, kToolKey, kToolValue, SysInfoPath)) {
            if (!GetKeyValue(kLocalMachine, kToolFolderKey, kToolFolderValue, SysInfoPath)) {
                unavailable();
                return;
            }
            if (!fileExists(SysInfoPath + kToolFile)) {
                unavailable();
                return;
            }
            SysInfoPath += kToolFile;
        }
        if (startProgram(SysInfoPath))
            return;
    } catch (...) {
        // An unbound registry call or a failed start: the user hears the same.
    }
    unavailable();
}

bool DetachedLauncher::start(const QString& program)
{
    return QProcess::startDetached(program, {});
}

std::unique_ptr<Launcher> setLauncher(std::unique_ptr<Launcher> next)
{
    if (!next)
        next = std::make_unique<DetachedLauncher>();
    std::swap(launcher(), next);
    return next;
}

QString hostPath(const QString& path)
{
#ifdef _WIN32
    return path;
#else
    QString host = path;
    host.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return host;
#endif
}

bool fileExists(const QString& path)
{
    if (path.isEmpty() || path.contains(QChar(u'\0')))
        return false;
    return QFileInfo(hostPath(path)).isFile();
}

bool startProgram(const QString& path)
{
    if (path.isEmpty() || path.contains(QChar(u'\0')))
        return false;
    const QFileInfo program(hostPath(path));
    if (!program.isAbsolute() || !program.isFile() || !program.isExecutable())
        return false;
    return launcher()->start(program.absoluteFilePath());
}

} // namespace info
