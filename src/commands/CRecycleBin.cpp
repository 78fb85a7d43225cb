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

bool CRecycleBin::QueryContents(commands::RecycleBinContents& contents) {
    SHQUERYRBINFO bin{};
    bin.cbSize = sizeof bin;
    // An empty root measures the bins of every drive: all of them are emptied.
    if (SHQueryRecycleBinA("", &bin) != S_OK) {
        return false;
    }
    contents = commands::RecycleBinContents{bin.i64Size, bin.i64NumItems};
    return true;
}

bool CRecycleBin::EmptyAll() {
    return SUCCEEDED(SHEmptyRecycleBinA(nullptr, nullptr, EmptyQuietly));
}

void CRecycleBin::EmptyAndTell(HWND owner, commands::RecycleBin& bin) {
    const commands::EmptyingOutcome outcome = commands::EmptyRecycleBin(bin);
    if (outcome.emptied) {
        Sleep(150);
        if (PathFileExistsA(RecycleSound)) {
            using PlaySoundFunction = BOOL(WINAPI*)(LPCSTR, HMODULE, DWORD);
            if (const auto playSound =
                    fw::SystemFunction<PlaySoundFunction>("winmm.dll", "PlaySoundA")) {
                playSound(RecycleSound, nullptr, RecycleSoundFlags);
            }
        }
        Sleep(100);
    }
    MessageBoxA(owner, outcome.text.c_str(), fw::AppName().c_str(), MB_ICONINFORMATION);
}
