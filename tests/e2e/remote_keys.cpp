// A keyboard plugged into a headless Mutter, which has none of its own,
// through Mutter's remote-desktop interface. It types the key symbols read
// from standard input, one a line (0x61 for "a", 0xff0d for Return), and is
// unplugged at the end of the input. A client takes its keyboard only once
// one exists, and Mutter makes it at its first key: the keyboard presses
// Shift as it is plugged in and then says "plugged", and the test plugs it
// in before the client starts.
//
//   skyfolio-test-remote-keys <keys
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>

#include <cstdio>
#include <iostream>
#include <string>

namespace {

const QString kService = QStringLiteral("org.gnome.Mutter.RemoteDesktop");

QDBusMessage call(const QString& path, const QString& interface, const QString& method, const QVariantList& arguments = {}) {
    QDBusMessage message = QDBusMessage::createMethodCall(kService, path, interface, method);
    message.setArguments(arguments);
    return QDBusConnection::sessionBus().call(message);
}

bool failed(const QDBusMessage& reply) {
    if (reply.type() != QDBusMessage::ErrorMessage) return false;
    std::fprintf(stderr, "%s\n", qPrintable(reply.errorMessage()));
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QDBusMessage created = call(QStringLiteral("/org/gnome/Mutter/RemoteDesktop"), kService, QStringLiteral("CreateSession"));
    if (failed(created)) return 1;
    const QString session = created.arguments().value(0).value<QDBusObjectPath>().path();
    const QString keyboard = kService + QStringLiteral(".Session");
    if (failed(call(session, keyboard, QStringLiteral("Start")))) return 1;
    const auto type = [&](uint keysym) {
        for (const bool pressed : {true, false})
            if (failed(call(session, keyboard, QStringLiteral("NotifyKeyboardKeysym"),
                            {QVariant::fromValue(keysym), QVariant::fromValue(pressed)})))
                return false;
        return true;
    };
    constexpr uint kShift = 0xffe1;
    if (!type(kShift)) return 1;
    std::printf("plugged\n");
    std::fflush(stdout);
    for (std::string line; std::getline(std::cin, line);)
        if (!type(QString::fromStdString(line).toUInt(nullptr, 0))) return 1;
    call(session, keyboard, QStringLiteral("Stop"));
    return 0;
}
