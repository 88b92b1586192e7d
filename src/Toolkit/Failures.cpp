#include "Toolkit/Failures.h"

#include <windows.h>

#include <cxxabi.h>

#include <cstdlib>
#include <memory>
#include <typeinfo>

#include "InstUtils/Paths.h"
#include "InstUtils/SystemServices.h"
#include "Toolkit/Application.h"

namespace {

std::string TypeName(const std::type_info& Type) {
    int Status = 0;
    std::unique_ptr<char, decltype(&std::free)> Name(abi::__cxa_demangle(Type.name(), nullptr, nullptr, &Status),
                                                     &std::free);
    return Status == 0 && Name ? std::string(Name.get()) : std::string(Type.name());
}

void ShowFailure(const std::string& Text) {
    System().ShowMessageBox(nullptr, ToWide(Text), ToWide(Application().Title()),
                            MB_OK | MB_ICONERROR | MB_TASKMODAL, 0);
}

}  // namespace

std::string ExceptionText(const std::exception& Failure) {
    std::string Kind = TypeName(typeid(Failure));
    std::string Message = Failure.what();
    if (!Message.empty() && Message != Kind) Kind += ": " + Message;
    return "Exception " + Kind;
}

void ReportHandlerFailure(std::exception_ptr Failure) noexcept {
    try {
        std::rethrow_exception(Failure);
    } catch (const EFileError&) {
    } catch (const EBitmapError&) {
    } catch (const std::exception& Other) {
        try {
            ShowFailure(ExceptionText(Other));
        } catch (...) {  // nothing is left to tell the user with
        }
    } catch (...) {
        try {
            ShowFailure("Exception of an unknown kind");
        } catch (...) {
        }
    }
}
