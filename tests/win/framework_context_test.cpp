// The per-thread framework state: each thread's control atom carries its own thread id and is
// deleted when the thread's framework ends, and when a program using the framework exits.
#include "framework/win/framework.h"
#include "support/message_pump.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>

namespace {

std::wstring ExpectedAtomName(DWORD threadId) {
    wchar_t name[64];
    std::swprintf(name, 64, L"ControlOfs%.8llX%.8lX",
                  static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(GetModuleHandleW(nullptr))),
                  static_cast<unsigned long>(threadId));
    return name;
}

struct ThreadReport {
    std::wstring name;
    ATOM atom = 0;
    bool atomFoundWhileRunning = false;
    bool propertyHoldsTheForm = false;
    bool menuCommandFound = false;
    bool atomFoundAfterEnd = true;
};

TEST(FrameworkContext, EachThreadHasItsOwnControlAtomAndEndingTheThreadDeletesIt) {
    Application->Initialize();
    const ATOM mainAtom = ControlAtom();
    ThreadReport report;
    DWORD threadId = 0;
    std::thread worker([&] {
        threadId = GetCurrentThreadId();
        auto* form = new TForm(nullptr);
        auto* menu = new TPopupMenu(form);
        auto* item = new TMenuItem(menu);
        menu->Items()->Add(item);
        HWND window = form->Handle();
        report.name = ControlAtomName();
        report.atom = ControlAtom();
        report.atomFoundWhileRunning = GlobalFindAtomW(report.name.c_str()) == report.atom;
        report.propertyHoldsTheForm =
            GetPropW(window, reinterpret_cast<LPCWSTR>(static_cast<ULONG_PTR>(report.atom))) == form &&
            FindControl(window) == form;
        report.menuCommandFound = TMenuItem::FindByCommand(item->Command()) == item;
        form->Free();
        EndFrameworkOnThread();
        report.atomFoundAfterEnd = GlobalFindAtomW(report.name.c_str()) != 0;
    });
    worker.join();

    EXPECT_EQ(report.name, ExpectedAtomName(threadId));
    EXPECT_NE(report.atom, mainAtom);
    EXPECT_TRUE(report.atomFoundWhileRunning);
    EXPECT_TRUE(report.propertyHoldsTheForm);
    EXPECT_TRUE(report.menuCommandFound);
    EXPECT_FALSE(report.atomFoundAfterEnd);
    // The main thread's atom is untouched by the other thread's end.
    EXPECT_EQ(GlobalFindAtomW(ControlAtomName().c_str()), mainAtom);
    EXPECT_EQ(ControlAtomName(), ExpectedAtomName(GetCurrentThreadId()));
}

// Run as a child process by the test below: a program with a form still owned by the
// application at exit. Writes its atom name to the file named in the environment.
class FormAtExit : public TForm {
    T_CLASS(FormAtExit, TForm)
public:
    explicit FormAtExit(TComponent* owner) : TForm(owner) { new TEdit(this); }
};

constexpr const char* kAtomFileVariable = "FRAMEWORK_CONTEXT_ATOM_FILE";

TEST(FrameworkContextChild, ProgramExitsWithAFormStillOwnedByTheApplication) {
    const char* file = std::getenv(kAtomFileVariable);
    if (file == nullptr) GTEST_SKIP() << "run by ControlAtomIsDeletedWhenTheProgramExits";
    Application->Initialize();
    FormAtExit* form = nullptr;
    Application->CreateForm(form);
    ASSERT_NE(form->Handle(), nullptr);
    ASSERT_NE(GlobalFindAtomW(ControlAtomName().c_str()), 0);
    std::wofstream(file) << ControlAtomName();
}

TEST(FrameworkContext, ControlAtomIsDeletedWhenTheProgramExits) {
    wchar_t exe[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, exe, MAX_PATH);
    wchar_t tempDir[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, tempDir);
    wchar_t atomFile[MAX_PATH] = {};
    GetTempFileNameW(tempDir, L"atm", 0, atomFile);
    SetEnvironmentVariableW(L"FRAMEWORK_CONTEXT_ATOM_FILE", atomFile);

    std::wstring command = std::wstring(L"\"") + exe +
                           L"\" --gtest_filter=FrameworkContextChild.ProgramExitsWithAFormStillOwnedByTheApplication";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(
        CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process));
    SetEnvironmentVariableW(L"FRAMEWORK_CONTEXT_ATOM_FILE", nullptr);
    const base::win::UniqueKernelHandle processHandle(process.hProcess);
    const base::win::UniqueKernelHandle threadHandle(process.hThread);
    ASSERT_EQ(WaitForSingleObject(process.hProcess, 60000), WAIT_OBJECT_0);
    DWORD exitCode = 1;
    GetExitCodeProcess(process.hProcess, &exitCode);
    EXPECT_EQ(exitCode, 0u);

    std::wstring name;
    std::wifstream(atomFile) >> name;
    DeleteFileW(atomFile);
    ASSERT_EQ(name.rfind(L"ControlOfs", 0), 0u) << "the child wrote no atom name";
    EXPECT_EQ(GlobalFindAtomW(name.c_str()), 0);
}

}  // namespace
