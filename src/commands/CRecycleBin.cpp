#include "commands/CRecycleBin.h"

#include "commands/RecycleBinMessage.h"
#include "framework/Application.h"
#include "framework/SystemLibrary.h"

#include <mmsystem.h>
#include <shellapi.h>
#include <shlwapi.h>

#include <string>

namespace {

const char* const RecycleSound = "C:\\WINDOWS\\Media\\recycle.wav";
constexpr DWORD RecycleSoundFlags = SND_FILENAME | SND_NOWAIT | SND_NOSTOP | SND_ASYNC;
constexpr DWORD EmptyQuietly = SHERB_NOCONFIRMATION | SHERB_NOPROGRESSUI | SHERB_NOSOUND;

} // namespace

void CRecycleBin::Empty(HWND owner) {
    std::string message;
    SHQUERYRBINFO bin{};
    bin.cbSize = sizeof bin;
    // An empty root measures the bins of every drive: all of them are emptied.
    if (SHQueryRecycleBinA("", &bin) == S_OK) {
        if (commands::RecycleBinIsEmpty(bin.i64Size)) {
            MessageBoxA(owner, commands::RecycleBinEmptyText, fw::AppName().c_str(),
                        MB_ICONINFORMATION);
            return;
        }
        message = commands::RecycleBinReleasedText(bin.i64Size, bin.i64NumItems);
    }
    SHEmptyRecycleBinA(nullptr, nullptr, EmptyQuietly);
    Sleep(150);
    if (PathFileExistsA(RecycleSound)) {
        using PlaySoundFunction = BOOL(WINAPI*)(LPCSTR, HMODULE, DWORD);
        if (const auto playSound =
                fw::SystemFunction<PlaySoundFunction>("winmm.dll", "PlaySoundA")) {
            playSound(RecycleSound, nullptr, RecycleSoundFlags);
        }
    }
    Sleep(100);
    MessageBoxA(owner, message.c_str(), "Orbelune", MB_ICONINFORMATION);
}
