#include "plugin_loader.h"

#include <cstring>

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#include <unistd.h>
#endif

namespace mirado::host {
namespace {

constexpr std::size_t kBufferSize = 4096;

std::string ProgramDirectory() {
#if defined(_WIN32)
  char path[MAX_PATH + 1] = {};
  const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string p(path, n);
  const auto cut = p.find_last_of("\\/");
#else
  char path[4096] = {};
  const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
  std::string p(path, n > 0 ? static_cast<std::size_t>(n) : 0);
  const auto cut = p.rfind('/');
#endif
  return cut == std::string::npos ? std::string() : p.substr(0, cut + 1);
}

}  // namespace

std::string Plugin::DefaultPath() {
#if defined(_WIN32)
  return ProgramDirectory() + "Mirado.dll";
#else
  return ProgramDirectory() + "libmirado.so";
#endif
}

std::unique_ptr<Plugin> Plugin::Load(const std::string& path, std::string* error) {
  std::unique_ptr<Plugin> plugin(new Plugin());
#if defined(_WIN32)
  HMODULE module = LoadLibraryA(path.c_str());
  if (module == nullptr) {
    *error = "cannot load the plug-in " + path + " (error " + std::to_string(GetLastError()) + ")";
    return nullptr;
  }
  plugin->handle_ = module;
  auto find = [&](const char* name) {
    return reinterpret_cast<MiradoEntryPoint>(reinterpret_cast<void*>(GetProcAddress(module, name)));
  };
#else
  // A path without a slash would make dlopen search the library path instead.
  const std::string where = path.find('/') == std::string::npos ? "./" + path : path;
  void* handle = dlopen(where.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) {
    const char* why = dlerror();
    *error = "cannot load the plug-in " + path + ": " + (why != nullptr ? why : "unknown error");
    return nullptr;
  }
  plugin->handle_ = handle;
  auto find = [&](const char* name) { return reinterpret_cast<MiradoEntryPoint>(dlsym(handle, name)); };
#endif
  plugin->command_ = find("Command");
  plugin->alias_ = find("Alias");
  plugin->part_ = find("Part");
  if (plugin->command_ == nullptr) {
    *error = "the library " + path + " is no Mirado plug-in: it exports no Command";
    return nullptr;
  }
  return plugin;
}

Plugin::~Plugin() {
  if (handle_ == nullptr) return;
#if defined(_WIN32)
  FreeLibrary(static_cast<HMODULE>(handle_));
#else
  dlclose(handle_);
#endif
}

std::vector<std::string> Plugin::Call(MiradoEntryPoint entry, const std::string& nick, const std::string& channel,
                                      const std::string& text) {
  if (entry == nullptr) return {};
  std::unique_ptr<char[]> buffer(new char[kBufferSize]());
  const std::string n = StripControls(nick), c = StripControls(channel), t = StripControls(text);
  entry(n.c_str(), "", "", "", c.c_str(), t.c_str(), buffer.get());
  buffer[kBufferSize - 1] = '\0';
  return SplitReply(buffer.get());
}

std::vector<std::string> Plugin::Command(const std::string& nick, const std::string& channel, const std::string& text) {
  return Call(command_, nick, channel, text);
}

std::vector<std::string> Plugin::Alias(const std::string& nick, const std::string& channel, const std::string& text) {
  return Call(alias_, nick, channel, text);
}

std::vector<std::string> Plugin::Part(const std::string& nick, const std::string& channel, const std::string& text) {
  return Call(part_, nick, channel, text);
}

std::vector<std::string> SplitReply(const char* buffer) {
  std::vector<std::string> lines;
  const char* p = buffer;
  while (*p != '\0') {
    const std::size_t n = std::strcspn(p, "\r\n");
    if (n > 0) lines.emplace_back(p, n);
    p += n;
    while (*p == '\r' || *p == '\n') ++p;
  }
  return lines;
}

std::string StripControls(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    if (c != '\r' && c != '\n' && c != '\0') out.push_back(c);
  }
  return out;
}

}  // namespace mirado::host
