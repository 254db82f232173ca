#pragma once
#include <stdexcept>
#include <string>

// Any step of a postcard delivery that failed. The delivery shows one fixed
// text whatever the cause; the number tells a refused service reply apart.
class DeliveryError : public std::runtime_error {
public:
    explicit DeliveryError(const std::string& what, int number = 0)
        : std::runtime_error(what), number_(number) {}

    int number() const { return number_; }

private:
    int number_;
};

// Raised when the service's reply looks like an error page or is too short.
inline constexpr int kReplyRejectedError = 1971;
