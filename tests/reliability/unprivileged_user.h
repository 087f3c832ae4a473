#pragma once

#include <filesystem>

// Permissions bind root only through another user. Run as root, the scope
// hands `folder` and everything in it to the user nobody and acts as that
// user until it ends; run as anyone else it changes nothing.
class UnprivilegedUser {
public:
    explicit UnprivilegedUser(const std::filesystem::path& folder);
    ~UnprivilegedUser();
    UnprivilegedUser(const UnprivilegedUser&) = delete;
    UnprivilegedUser& operator=(const UnprivilegedUser&) = delete;

private:
    bool switched_ = false;
};
