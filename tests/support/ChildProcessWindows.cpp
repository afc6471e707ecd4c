// The child process on Windows: CreateProcessW with the standard streams
// redirected to pipes. Arguments are quoted the way the C runtime splits
// them again.
#include "ChildProcess.h"

#include <windows.h>

#include <stdexcept>
#include <thread>

namespace {

std::wstring Wide(const std::string& utf8)
{
    if (utf8.empty())
        return {};
    const int size = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), size);
    return wide;
}

// Quotes one argument so CommandLineToArgvW and the C runtime give it back
// unchanged: backslashes double only where a quote follows them.
std::wstring Quoted(const std::wstring& arg)
{
    if (!arg.empty() && arg.find_first_of(L" \t\n\v\"") == std::wstring::npos)
        return arg;
    std::wstring quoted = L"\"";
    std::size_t backslashes = 0;
    for (wchar_t c : arg) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(2 * backslashes, L'\\');
    return quoted + L"\"";
}

std::string ErrorText(DWORD code)
{
    char* text = nullptr;
    FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string words = text ? text : "Windows error " + std::to_string(code);
    LocalFree(text);
    while (!words.empty() && (words.back() == '\n' || words.back() == '\r'))
        words.pop_back();
    return words;
}

// A pipe whose one end the child inherits.
void Pipe(HANDLE& read, HANDLE& write, bool childReads)
{
    SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    if (!CreatePipe(&read, &write, &inherit, 0))
        throw std::runtime_error("CreatePipe: " + ErrorText(GetLastError()));
    SetHandleInformation(childReads ? write : read, HANDLE_FLAG_INHERIT, 0);
}

void Close(void*& handle)
{
    if (handle) {
        CloseHandle(handle);
        handle = nullptr;
    }
}

// One read from the pipe into the sink; closes the pipe at its end.
void ReadSome(void*& pipe, std::string& sink)
{
    char buffer[4096];
    DWORD got = 0;
    if (ReadFile(pipe, buffer, sizeof buffer, &got, nullptr) && got > 0)
        sink.append(buffer, got);
    else
        Close(pipe);
}

} // namespace

ChildProcess::ChildProcess(const ChildOptions& options)
{
    std::wstring commandLine;
    for (const auto& arg : options.argv)
        commandLine += (commandLine.empty() ? L"" : L" ") + Quoted(Wide(arg));
    HANDLE childIn, input, childOut, childErr;
    Pipe(childIn, input, true);
    CloseHandle(input); // the child's input ends at once
    Pipe(m_stdout, childOut, false);
    Pipe(m_stderr, childErr, false);

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = childIn;
    startup.hStdOutput = childOut;
    startup.hStdError = childErr;
    PROCESS_INFORMATION process{};
    const std::wstring program = Wide(options.argv.at(0));
    // Wine, when its server is busy, now and then refuses a start with
    // ERROR_INTERNAL_ERROR; a second try a moment later succeeds.
    BOOL started = FALSE;
    DWORD error = ERROR_SUCCESS;
    for (int attempt = 0; attempt < 5 && !started; ++attempt) {
        started = CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW,
            nullptr, nullptr, &startup, &process);
        error = started ? ERROR_SUCCESS : GetLastError();
        if (error != ERROR_INTERNAL_ERROR)
            break;
        Sleep(200);
    }
    if (started) {
        m_process = process.hProcess;
        CloseHandle(process.hThread);
    } else {
        m_result.startError = "CreateProcessW: " + ErrorText(error);
        m_reaped = true;
    }
    for (HANDLE end : {childIn, childOut, childErr})
        CloseHandle(end);
}

ChildProcess::~ChildProcess()
{
    if (!m_reaped) {
        TerminateProcess(m_process, 1);
        WaitForSingleObject(m_process, INFINITE);
    }
    for (void** handle : {&m_process, &m_stdout, &m_stderr})
        Close(*handle);
}

ChildResult ChildProcess::Wait()
{
    // Both streams at once (error on a thread of its own), so a child
    // blocked on a full pipe cannot hang the test.
    std::thread errorReader([this] {
        while (m_stderr)
            ReadSome(m_stderr, m_result.err);
    });
    while (m_stdout)
        ReadSome(m_stdout, m_result.out);
    errorReader.join();
    if (!m_result.startError.empty())
        return m_result;
    WaitForSingleObject(m_process, INFINITE);
    m_reaped = true;
    DWORD code = 0;
    GetExitCodeProcess(m_process, &code);
    m_result.exited = true;
    m_result.exitStatus = static_cast<int>(code);
    return m_result;
}
