// The archive of the program's own resource, loaded once for every test of the wizard.
#include <gtest/gtest.h>

#include <memory>

#include "AttachFiles/AttachFiles.h"

namespace {

class TArchiveEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        FFiles = std::make_unique<TAttachedFiles>();
        AttachedFiles = FFiles.get();
    }
    void TearDown() override {
        AttachedFiles = nullptr;
        FFiles.reset();
    }

private:
    std::unique_ptr<TAttachedFiles> FFiles;
};

const auto* const Registered = ::testing::AddGlobalTestEnvironment(new TArchiveEnvironment);

}  // namespace
