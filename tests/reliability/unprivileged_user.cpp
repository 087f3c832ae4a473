#include "tests/reliability/unprivileged_user.h"

#include <unistd.h>

#include <gtest/gtest.h>

namespace {

constexpr uid_t kNobody = 65534;

} // namespace

UnprivilegedUser::UnprivilegedUser(const std::filesystem::path& folder)
{
    if (geteuid() != 0)
        return;
    EXPECT_EQ(lchown(folder.c_str(), kNobody, kNobody), 0);
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
        EXPECT_EQ(lchown(entry.path().c_str(), kNobody, kNobody), 0);
    switched_ = setegid(kNobody) == 0 && seteuid(kNobody) == 0;
    EXPECT_TRUE(switched_) << "cannot act as the user nobody";
}

UnprivilegedUser::~UnprivilegedUser()
{
    if (!switched_)
        return;
    EXPECT_EQ(seteuid(0), 0);
    EXPECT_EQ(setegid(0), 0);
}
