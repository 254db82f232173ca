#pragma once
#include <stdexcept>
#include <string>
#include <utility>

// Any step of a postcard delivery that failed. The delivery shows one fixed
// text whatever the cause; the number tells a refused service reply apart,
// and the stage, where the step that failed knows it better than its caller,
// names it for the grown-up's line on standard error.
class DeliveryError : public std::runtime_error {
public:
    explicit DeliveryError(const std::string& what, int number = 0, std::string stage = {})
        : std::runtime_error(what), number_(number), stage_(std::move(stage)) {}

    int number() const { return number_; }
    const std::string& stage() const { return stage_; }

private:
    int number_;
    std::string stage_;
};

// Raised when the service's reply looks like an error page or is too short.
inline constexpr int kReplyRejectedError = 1971;
