#include <QApplication>

#include "game/GameState.h"
#include "platform/QtPlatform.h"
#include "ui/Form1.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quilto"));
    quilto::InstallSpanishTranslations(app);

    quilto::QtPlatform platform;
    quilto::GameState g(platform);
    quilto::Form1 form(g, QCoreApplication::applicationDirPath().toStdString(),
                       [&platform](quilto::PictureId id) -> const QImage& { return platform.Picture(id); });
    platform.SetOwner(&form);
    platform.SetBeforeEvents([&form] { form.Sync(); });
    form.showMaximized();
    const int code = QApplication::exec();
    platform.SetBeforeEvents(nullptr);
    return code;
}
