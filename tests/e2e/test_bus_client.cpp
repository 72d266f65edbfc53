// A program on the session bus for the idle watch's tests, which gdbus
// cannot play as it leaves the bus after each call:
//   skyfolio-test-bus inhibit        holds an inhibition until its input ends
//   skyfolio-test-bus lock NAME      owns NAME and sends ActiveChanged(b) for
//                                    each line "true" or "false" of its input
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>

#include <cstdio>
#include <iostream>
#include <string>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QDBusConnection bus = QDBusConnection::sessionBus();
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "inhibit") {
        const QDBusReply<uint> cookie =
            bus.call(QDBusMessage::createMethodCall("org.freedesktop.ScreenSaver", "/org/freedesktop/ScreenSaver",
                                                    "org.freedesktop.ScreenSaver", "Inhibit")
                     << QString("test") << QString("playing a film"));
        if (!cookie.isValid()) return 1;
        std::printf("%u\n", cookie.value());
        std::fflush(stdout);
    } else if (command == "lock" && argc == 3) {
        const QString name = argv[2];
        if (bus.interface()->registerService(name).value() != QDBusConnectionInterface::ServiceRegistered) return 1;
        std::printf("owned\n");
        std::fflush(stdout);
    } else {
        std::fprintf(stderr, "usage: %s inhibit | lock NAME\n", argv[0]);
        return 2;
    }
    for (std::string line; std::getline(std::cin, line);) {
        if (command != "lock") continue;
        const QString name = argv[2];
        const QString path = "/" + QString(name).replace('.', '/');
        bus.send(QDBusMessage::createSignal(path, name, "ActiveChanged") << (line == "true"));
    }
    return 0;
}
