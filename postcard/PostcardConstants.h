#pragma once
// Fixed values of the e-postcard: addresses, the service, the
// texts of the status window and the figures of a delivery.
#include "state/DataFiles.h"

#include <chrono>

// The placeholder lives in a domain reserved for examples, so a postcard
// left at it can never reach a real mailbox.
inline constexpr char PlaceholderAddress[] = "your.friend@example.com";

// The postcards' sender and the postcard service ([http[s]://]host[:port])
// chosen when the program is built; the settings files override both.
inline constexpr char PostcardSenderAddress[] = VELLUMIX_POSTCARD_SENDER;
inline constexpr char PostcardServiceHost[] = VELLUMIX_POSTCARD_SERVICE_HOST;

// Sent as the request's serial: tells the service which program asks.
inline constexpr char PostcardSerial[] = "VX1";

inline constexpr int kJpegQuality = 80;
inline constexpr int kMailPort = 25;
inline constexpr std::chrono::milliseconds kServiceTimeout = std::chrono::seconds(20);
inline constexpr std::chrono::milliseconds kOutcomeDisplayTime = std::chrono::seconds(3);

inline constexpr char PostcardSubject[] = "Vellumix email-postcard!";

// The status window's texts, stage by stage.
inline constexpr char StatusSending[] = "Sending...";
inline constexpr char StatusPreparing[] = "Preparing message...";
inline constexpr char StatusChecking[] = "Checking internet connection...";
inline constexpr char StatusSendingPostcard[] = "Sending postcard...";
inline constexpr char StatusSent[] = "Your email-postcard has been sent.";
inline constexpr char StatusFailed[] = "Your email-postcard could not be sent. Please try again.";

inline constexpr char InvalidAddressText[] =
    "Please enter a valid email address to send your ePostcard.";
inline constexpr char InvalidAddressTitle[] = "Trouble";
