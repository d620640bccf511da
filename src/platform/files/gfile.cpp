#include "platform/files/gfile.h"

#include "host/runtime/runtime_error.h"

namespace {

std::unique_ptr<clsFile>& gFile() {
    static std::unique_ptr<clsFile> file;
    return file;
}

} // namespace

clsFile& File() {
    if (!gFile()) throw host::runtime::RuntimeError(host::runtime::ErrorNumber::ObjectNotSet, "gFile");
    return *gFile();
}

std::unique_ptr<clsFile> InstallFile(std::unique_ptr<clsFile> file) {
    auto previous = std::move(gFile());
    gFile() = std::move(file);
    return previous;
}

void ResetFile() {
    gFile().reset();
}
