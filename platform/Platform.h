// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The game's only way out to the desktop: message boxes, sound cues, the
// shell, the file dialog, pictures, saving a file, pending events and the
// clock. The game sees this interface alone; the Qt implementation lives
// beside it and tests use a scripted fake.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

namespace quilto {

enum class MsgIcon { Exclamation, Question, Information };
enum class MsgButtons { Ok, OkCancel };
enum class MsgResult { Ok, Cancel };

// A picture held by the platform, referred to by a small handle.
using PictureId = std::int32_t;
constexpr PictureId kNoPictureId = 0;

enum class LoadStatus {
    Ok,
    NotAPicture,  // not a picture, or one too large to decode sensibly
    Failed,       // anything else (unreadable file, ...)
};

struct LoadedPicture {
    LoadStatus status = LoadStatus::Failed;
    PictureId id = kNoPictureId;
    // The picture's own size in pixels, whatever the platform keeps of them.
    std::int32_t width = 0;
    std::int32_t height = 0;
};

class Platform {
public:
    virtual ~Platform() = default;

    // Modal message box titled "Quilto"; returns the button pressed.
    virtual MsgResult MessageBox(const std::string& text, MsgIcon icon, MsgButtons buttons) = 0;

    // Starts a sound cue without waiting; a new cue replaces one still
    // playing; a missing file or no audio device is silent.
    virtual void PlaySound(const std::string& path) = 0;

    // Hands a file or an address to the desktop; no waiting, no error shown.
    virtual void ShellOpen(const std::string& target, const std::string& workingDir) = 0;

    // The file-open dialog: every file offered, no title of its own, starting
    // in startDir with an empty file name. Returns "" when cancelled.
    virtual std::string ChooseOpenFile(const std::string& startDir) = 0;

    // The file-save dialog for a saved game (type "Partidas de Quilto
    // (*.quilto)"), starting in folder (empty: the user's documents) with
    // the name given. Returns "" when cancelled.
    virtual std::string ChooseSaveFile(const std::string& folder, const std::string& name) = 0;

    // The whole content of a regular file of at most maxBytes bytes; false
    // when it cannot be read or is larger.
    virtual bool ReadWholeFile(const std::string& path, std::size_t maxBytes, std::string& bytes) = 0;

    // Decodes a picture file and keeps it under a new handle. A large
    // picture may go on decoding after the call returns, its size vouched
    // for by the file's header: FinishPicture tells how the decoding ended.
    virtual LoadedPicture LoadPicture(const std::string& path) = 0;
    // Waits until the picture of a handle LoadPicture gave is decoded: Ok,
    // or NotAPicture when the file proved broken past its header (the
    // handle then shows nothing).
    virtual LoadStatus FinishPicture(PictureId id) = 0;
    // Decodes a picture file's bytes, through the same guards as a file.
    virtual LoadedPicture LoadPictureBytes(const std::string& bytes) = 0;
    // The game no longer refers to this picture.
    virtual void ReleasePicture(PictureId id) = 0;

    // Makes bytes the whole content of the file at path. The new content goes
    // to a scratch file that then takes the old file's place at once, so a
    // failure at any point leaves the old file (or its absence) as it was.
    // Returns false on failure.
    virtual bool WriteFileAtomically(const std::string& path, const std::string& bytes) = 0;

    // The folder where the program keeps files of its own (the game in
    // progress), ending in the path separator and made if missing; "" when
    // there is none. writable tells whether files can be written there.
    virtual std::string DataFolder(bool& writable) = 0;

    // Runs work on a thread of its own, after all the work given before,
    // and returns at once. The work shares nothing with the game: it holds
    // copies, and reaches files through the four calls below alone
    // (WriteFileAtomically, ReadWholeFile, RemoveFile, FileStamp), which may
    // be made from that thread.
    virtual void RunInBackground(std::function<void()> work) = 0;
    // Waits until all the work given to RunInBackground is done.
    virtual void FinishBackgroundWork() = 0;

    // Removes the file at path; true when it is gone (or was never there).
    virtual bool RemoveFile(const std::string& path) = 0;
    // A mark of the file at path that changes whenever the file is written
    // or replaced; "" when there is no such file.
    virtual std::string FileStamp(const std::string& path) = 0;

    // Lets the window process the events that are pending, once.
    virtual void ProcessPendingEvents() = 0;

    // Monotonic seconds, with a fraction.
    virtual double Now() = 0;

    // A seed for the random source, taken from the clock at start-up.
    virtual std::uint64_t ClockSeed() = 0;
};

}  // namespace quilto
