#include "platform/QtPlatform.h"

#include <QApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QImageReader>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QSoundEffect>
#include <QTranslator>
#include <QUrl>

namespace quilto {

QtPlatform::QtPlatform() {
    clock_.start();
    // A decoded picture may take up to 4 bytes per pixel.
    QImageReader::setAllocationLimit(static_cast<int>(kMaxPixels * 4 / (1024 * 1024)) + 1);
}

QtPlatform::~QtPlatform() = default;

MsgResult QtPlatform::MessageBox(const std::string& text, MsgIcon icon, MsgButtons buttons) {
    BeforeEvents();
    // Over a modal dialog (the configuration), the box belongs to the dialog.
    QWidget* modal = QApplication::activeModalWidget();
    QMessageBox box(modal ? modal : owner_.data());
    box.setWindowTitle(QStringLiteral("Quilto"));
    box.setText(QString::fromStdString(text));
    switch (icon) {
        case MsgIcon::Exclamation:
            box.setIcon(QMessageBox::Warning);
            break;
        case MsgIcon::Question:
            box.setIcon(QMessageBox::Question);
            break;
        case MsgIcon::Information:
            box.setIcon(QMessageBox::Information);
            break;
    }
    if (buttons == MsgButtons::OkCancel) {
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Cancel);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    return box.exec() == QMessageBox::Ok ? MsgResult::Ok : MsgResult::Cancel;
}

void QtPlatform::PlaySound(const std::string& path) {
    const QString file = QString::fromStdString(path);
    if (!QFileInfo::exists(file)) return;
    if (!sound_) sound_ = std::make_unique<QSoundEffect>();
    sound_->stop();
    sound_->setSource(QUrl::fromLocalFile(file));
    sound_->play();
}

void QtPlatform::ShellOpen(const std::string& target, const std::string& workingDir) {
    const QString t = QString::fromStdString(target);
    QUrl url(t);
    if (url.scheme().isEmpty() || url.scheme().size() == 1) {
        url = QUrl::fromLocalFile(QDir(QString::fromStdString(workingDir)).absoluteFilePath(t));
        if (!QFileInfo::exists(url.toLocalFile())) return;
    }
    QDesktopServices::openUrl(url);
}

std::string QtPlatform::ChooseOpenFile(const std::string& startDir) {
    BeforeEvents();
    return QFileDialog::getOpenFileName(owner_, QString(), QString::fromStdString(startDir), QString()).toStdString();
}

LoadedPicture QtPlatform::LoadPicture(const std::string& path) {
    const QString file = QString::fromStdString(path);
    QFileInfo info(file);
    if (!info.exists() || !info.isReadable()) return {LoadStatus::Failed, kNoPictureId, 0, 0};
    if (info.isDir()) return {LoadStatus::NotAPicture, kNoPictureId, 0, 0};

    QImageReader reader(file);
    reader.setAutoTransform(true);
    if (!reader.canRead()) return {LoadStatus::NotAPicture, kNoPictureId, 0, 0};
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > kMaxPixels)
        return {LoadStatus::NotAPicture, kNoPictureId, 0, 0};

    QImage image;
    if (!reader.read(&image) || image.isNull()) return {LoadStatus::NotAPicture, kNoPictureId, 0, 0};
    if (qint64(image.width()) * image.height() > kMaxPixels) return {LoadStatus::NotAPicture, kNoPictureId, 0, 0};
    // The canvas draws fastest from these two formats.
    if (image.format() != QImage::Format_RGB32 && image.format() != QImage::Format_ARGB32_Premultiplied)
        image.convertTo(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    if (image.isNull()) return {LoadStatus::NotAPicture, kNoPictureId, 0, 0};

    const PictureId id = nextId_++;
    const LoadedPicture loaded{LoadStatus::Ok, id, image.width(), image.height()};
    pictures_.emplace(id, std::move(image));
    return loaded;
}

void QtPlatform::ReleasePicture(PictureId id) {
    pictures_.erase(id);
}

const QImage& QtPlatform::Picture(PictureId id) const {
    static const QImage none;
    auto it = pictures_.find(id);
    return it == pictures_.end() ? none : it->second;
}

void QtPlatform::ProcessPendingEvents() {
    BeforeEvents();
    QCoreApplication::processEvents();
}

double QtPlatform::Now() {
    return static_cast<double>(clock_.nsecsElapsed()) * 1e-9;
}

std::uint64_t QtPlatform::ClockSeed() {
    return static_cast<std::uint64_t>(QDateTime::currentMSecsSinceEpoch()) * 6364136223846793005ULL +
           static_cast<std::uint64_t>(clock_.nsecsElapsed());
}

void InstallSpanishTranslations(QApplication& app) {
    const QString dir = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const char* name : {"qtbase_es", "qtmultimedia_es"}) {
        auto* translator = new QTranslator(&app);
        if (translator->load(QString::fromLatin1(name), dir))
            QCoreApplication::installTranslator(translator);
        else
            delete translator;
    }
}

}  // namespace quilto
