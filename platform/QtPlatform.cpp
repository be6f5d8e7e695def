// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/QtPlatform.h"

#include <QApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QSaveFile>
#include <QSoundEffect>
#include <QStandardPaths>
#include <QTranslator>
#include <QUrl>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace quilto {
namespace {

// The wait pointer over the program's windows for as long as it lives. It is
// sent to the display at once: the work it covers keeps the window from
// processing events (and from repainting) until it is done.
class BusyPointer {
public:
    BusyPointer() : shown_(qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr) {
        if (!shown_) return;
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        QGuiApplication::sync();  // the display has the new pointer before the work starts
    }
    ~BusyPointer() {
        if (shown_) QGuiApplication::restoreOverrideCursor();
    }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

private:
    bool shown_;
};

}  // namespace

QtPlatform::QtPlatform(qint64 maxPixels, PictureReader read) : maxPixels_(maxPixels), read_(std::move(read)) {
    clock_.start();
    background_.setMaxThreadCount(1);
    decoder_.setMaxThreadCount(1);
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
    // Only a regular file: the sound reader would wait for ever on a named pipe.
    if (!QFileInfo(file).isFile()) return;
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
    const QString file = QFileDialog::getOpenFileName(owner_, QString(), QString::fromStdString(startDir), QString());
    return QDir::toNativeSeparators(file).toStdString();
}

LoadedPicture QtPlatform::LoadPicture(const std::string& path) {
    const QString name = QString::fromStdString(path);
    const QSize shown = shownArea_ ? shownArea_() : QSize();
    // A large JPEG decodes while the game goes on; its header vouches for
    // its size, which is all the game needs until it cuts a board.
    if (const QSize declared = DeclaredJpegSize(name, maxPixels_);
        qint64(declared.width()) * declared.height() >= kDecodeAsidePixels) {
        auto task = std::make_shared<std::packaged_task<PictureFile()>>([read = read_, name, max = maxPixels_, shown] {
            try {
                return read(name, max, shown);
            } catch (...) {
                return PictureFile{LoadStatus::NotAPicture, {}};
            }
        });
        const PictureId id = nextId_++;
        Held& held = pictures_[id];
        held.picture.size = declared;
        held.decoding = task->get_future().share();
        decoder_.start([task] { (*task)(); });
        return {LoadStatus::Ok, id, declared.width(), declared.height()};
    }
    PictureFile file;
    {
        const BusyPointer busy;
        file = read_(name, maxPixels_, shown);
    }
    return Keep(std::move(file));
}

LoadedPicture QtPlatform::LoadPictureBytes(const std::string& bytes) {
    const BusyPointer busy;
    const QByteArray data = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
    return Keep(ReadPictureBytes(data, maxPixels_, shownArea_ ? shownArea_() : QSize()));
}

LoadedPicture QtPlatform::Keep(PictureFile file) {
    if (file.status != LoadStatus::Ok) return {file.status, kNoPictureId, 0, 0};
    const PictureId id = nextId_++;
    // The game cuts in the picture's own pixels, whatever was kept of them.
    const LoadedPicture loaded{LoadStatus::Ok, id, file.picture.size.width(), file.picture.size.height()};
    pictures_.emplace(id, Held{std::move(file.picture), {}});
    return loaded;
}

void QtPlatform::Settle(Held& held) {
    if (!held.decoding.valid()) return;
    if (held.decoding.wait_for(std::chrono::seconds(0)) != std::future_status::ready) {
        const BusyPointer busy;
        held.decoding.wait();
    }
    const PictureFile& file = held.decoding.get();
    // The game already cuts in the size the header gave; the decoded pixels
    // map onto it, as they do for any picture kept smaller.
    if (file.status == LoadStatus::Ok) held.picture.image = file.picture.image;
    held.decoding = {};
}

LoadStatus QtPlatform::FinishPicture(PictureId id) {
    const auto it = pictures_.find(id);
    if (it == pictures_.end()) return LoadStatus::NotAPicture;
    Settle(it->second);
    return it->second.picture.image.isNull() ? LoadStatus::NotAPicture : LoadStatus::Ok;
}

std::string QtPlatform::ChooseSaveFile(const std::string& folder, const std::string& name) {
    BeforeEvents();
    QString dir = QString::fromStdString(folder);
    if (dir.isEmpty()) dir = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QFileDialog dialog(owner_, QString(), QDir(dir).filePath(QString::fromStdString(name)),
                       QStringLiteral("Partidas de Quilto (*.quilto)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("quilto"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return QDir::toNativeSeparators(dialog.selectedFiles().first()).toStdString();
}

bool QtPlatform::ReadWholeFile(const std::string& path, std::size_t maxBytes, std::string& bytes) {
    QFile file(QString::fromStdString(path));
    // Only a regular file: a pipe or a device would never end.
    if (!QFileInfo(file).isFile() || !file.open(QIODevice::ReadOnly)) return false;
    const qint64 size = file.size();
    if (size < 0 || static_cast<std::uint64_t>(size) > maxBytes) return false;
    bytes.resize(static_cast<std::size_t>(size));
    // A file that grew or shrank meanwhile is refused rather than cut.
    char extra = 0;
    return file.read(bytes.data(), size) == size && file.read(&extra, 1) == 0;
}

void QtPlatform::ReleasePicture(PictureId id) {
    if (const auto it = pictures_.find(id); it != pictures_.end()) {
        if (it->second.decoding.valid()) it->second.decoding.wait();  // the decoding cannot be stopped half way
        pictures_.erase(it);
    }
}

const DecodedPicture& QtPlatform::Picture(PictureId id) const {
    static const DecodedPicture none;
    const auto it = pictures_.find(id);
    if (it == pictures_.end()) return none;
    Settle(it->second);
    return it->second.picture;
}

bool QtPlatform::WriteFileAtomically(const std::string& path, const std::string& bytes) {
    // QSaveFile writes beside the file and replaces it only on commit, in
    // the way each desktop allows; a file left uncommitted is thrown away.
    // commit() does not see a failure of its own final flush (a full disk,
    // a size limit) and would put the cut-short file in place, so the
    // buffered bytes are flushed first and checked.
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly)) return false;
    const auto size = static_cast<qint64>(bytes.size());
    return file.write(bytes.data(), size) == size && file.flush() && file.commit();
}

std::string QtPlatform::DataFolder(bool& writable) {
    writable = false;
    if (dataFolder_.isEmpty()) return {};
    QDir().mkpath(dataFolder_);
    const QFileInfo folder(dataFolder_);
    if (!folder.isDir()) return {};  // a file in its place, or nothing could be made
    writable = folder.isWritable();
    return QDir::toNativeSeparators(QDir(dataFolder_).absolutePath() + QLatin1Char('/')).toStdString();
}

void QtPlatform::RunInBackground(std::function<void()> work) {
    background_.start(std::move(work));
}

void QtPlatform::FinishBackgroundWork() {
    background_.waitForDone();
}

bool QtPlatform::RemoveFile(const std::string& path) {
    QFile file(QString::fromStdString(path));
    return file.remove() || !QFileInfo::exists(file.fileName());
}

std::string QtPlatform::FileStamp(const std::string& path) {
#ifdef Q_OS_UNIX
    // A file put in place by a rename is a new inode; one written in place
    // has a new modification time, to the nanosecond.
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return {};
    return std::to_string(st.st_dev) + ':' + std::to_string(st.st_ino) + ':' + std::to_string(st.st_size) + ':' +
           std::to_string(st.st_mtim.tv_sec) + '.' + std::to_string(st.st_mtim.tv_nsec);
#else
    const QFileInfo info(QString::fromStdString(path));
    if (!info.isFile()) return {};
    return QString::number(info.size()).toStdString() + ':' +
           QString::number(info.lastModified().toMSecsSinceEpoch()).toStdString();
#endif
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
