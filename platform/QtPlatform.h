// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The platform on Qt: message boxes, sound cues, the desktop's open
// operation, the file dialog, pictures decoded by Qt's image readers (no
// larger than the screen shows them) and files saved whole with QSaveFile.
#include <QElapsedTimer>
#include <QPointer>
#include <QThreadPool>
#include <QWidget>
#include <functional>
#include <future>
#include <memory>
#include <unordered_map>

#include "platform/PictureFile.h"
#include "platform/Platform.h"

class QApplication;
class QSoundEffect;

namespace quilto {

class QtPlatform : public Platform {
public:
    using PictureReader = std::function<PictureFile(const QString& path, qint64 maxPixels, QSize shown)>;

    // Pictures of more than maxPixels pixels are refused; read decodes them.
    explicit QtPlatform(qint64 maxPixels = kMaxPixels, PictureReader read = ReadPictureFile);
    ~QtPlatform() override;

    // Dialogs and message boxes are centred on this window.
    void SetOwner(QWidget* owner) { owner_ = owner; }
    // Runs whenever the window is about to process events in the middle of a
    // game command (pending events, a message box, the file dialog), so that
    // it can schedule the repaint of what the game has changed so far.
    void SetBeforeEvents(std::function<void()> f) { beforeEvents_ = std::move(f); }
    // The largest area, in device pixels, that a picture is shown stretched
    // or fitted to, asked at every load: pictures keep no more pixels than
    // they need to cover it. Unset, they keep every pixel.
    void SetShownArea(std::function<QSize()> f) { shownArea_ = std::move(f); }
    // The folder DataFolder gives (the user's, for the program); unset, the
    // program keeps nothing of its own.
    void SetDataFolder(const QString& folder) { dataFolder_ = folder; }

    MsgResult MessageBox(const std::string& text, MsgIcon icon, MsgButtons buttons) override;
    void PlaySound(const std::string& path) override;
    void ShellOpen(const std::string& target, const std::string& workingDir) override;
    std::string ChooseOpenFile(const std::string& startDir) override;
    LoadedPicture LoadPicture(const std::string& path) override;
    LoadStatus FinishPicture(PictureId id) override;
    LoadedPicture LoadPictureBytes(const std::string& bytes) override;
    std::string ChooseSaveFile(const std::string& folder, const std::string& name) override;
    bool ReadWholeFile(const std::string& path, std::size_t maxBytes, std::string& bytes) override;
    void ReleasePicture(PictureId id) override;
    bool WriteFileAtomically(const std::string& path, const std::string& bytes) override;
    std::string DataFolder(bool& writable) override;
    void RunInBackground(std::function<void()> work) override;
    void FinishBackgroundWork() override;
    bool RemoveFile(const std::string& path) override;
    std::string FileStamp(const std::string& path) override;
    void ProcessPendingEvents() override;
    double Now() override;
    std::uint64_t ClockSeed() override;

    // The picture behind a handle; a null image for an unknown one.
    const DecodedPicture& Picture(PictureId id) const;

    // The game's limit: a decoded picture of up to a gibibyte.
    static constexpr qint64 kMaxPixels = 256LL * 1024 * 1024;
    // JPEG pictures from this size on decode on a thread of their own.
    static constexpr qint64 kDecodeAsidePixels = 4'000'000;

private:
    void BeforeEvents() const {
        if (beforeEvents_) beforeEvents_();
    }

    LoadedPicture Keep(PictureFile file);

    // A picture, or one still decoding aside.
    struct Held {
        DecodedPicture picture;
        std::shared_future<PictureFile> decoding;  // valid while the picture decodes
    };
    // Takes the decoded picture in, waiting for it if need be.
    static void Settle(Held& held);

    QPointer<QWidget> owner_;
    std::unique_ptr<QSoundEffect> sound_;
    mutable std::unordered_map<PictureId, Held> pictures_;
    PictureId nextId_ = 1;
    qint64 maxPixels_;
    PictureReader read_;
    QElapsedTimer clock_;
    std::function<void()> beforeEvents_;
    std::function<QSize()> shownArea_;
    QString dataFolder_;
    QThreadPool decoder_;  // one thread, for large pictures
    // One thread, so that work runs in the order it was given. Declared
    // last: it is destroyed first, waiting for the work in hand.
    QThreadPool background_;
};

// Loads Qt's own Spanish translations, so that standard buttons read
// "Aceptar", "Cancelar", "Abrir".
void InstallSpanishTranslations(QApplication& app);

}  // namespace quilto
