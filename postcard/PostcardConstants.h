#pragma once
// Fixed values of the e-postcard: addresses, the service, the
// texts of the status window and the figures of a delivery.
#include "book/DataFiles.h"

#include <QtGlobal>
#include <chrono>

// The placeholder lives in a domain reserved for examples, so a postcard
// left at it can never reach a real mailbox.
inline constexpr char PlaceholderAddress[] = "your.friend@example.com";

// The postcards' sender and the postcard service ([http[s]://]host[:port])
// chosen when the program is built, empty unless a distributor builds one in;
// the settings files override both.
inline constexpr char PostcardSenderAddress[] = VELLUMIX_POSTCARD_SENDER;
inline constexpr char PostcardServiceHost[] = VELLUMIX_POSTCARD_SERVICE_HOST;

// Sent as the request's serial: tells the service which program asks.
inline constexpr char PostcardSerial[] = "VX1";

inline constexpr int kJpegQuality = 80;
inline constexpr int kMailPort = 25;
inline constexpr std::chrono::milliseconds kServiceTimeout = std::chrono::seconds(20);
inline constexpr std::chrono::milliseconds kOutcomeDisplayTime = std::chrono::seconds(3);

// The subject and everything sent to the service stay in English: the
// service and the recipient rely on them as they are.
inline constexpr char PostcardSubject[] = "Vellumix email-postcard!";

// The status window's texts, stage by stage, shown translated.
inline constexpr char StatusSending[] = QT_TRANSLATE_NOOP("frmSTATUS", "Sending...");
inline constexpr char StatusPreparing[] = QT_TRANSLATE_NOOP("frmSTATUS", "Preparing message...");
inline constexpr char StatusChecking[] =
    QT_TRANSLATE_NOOP("frmSTATUS", "Checking internet connection...");
inline constexpr char StatusSendingPostcard[] =
    QT_TRANSLATE_NOOP("frmSTATUS", "Sending postcard...");
inline constexpr char StatusSent[] =
    QT_TRANSLATE_NOOP("frmSTATUS", "Your email-postcard has been sent.");
inline constexpr char StatusFailed[] =
    QT_TRANSLATE_NOOP("frmSTATUS", "Your email-postcard could not be sent. Please try again.");

inline constexpr char InvalidAddressText[] =
    QT_TRANSLATE_NOOP("frmPostcard", "Please enter a valid email address to send your ePostcard.");
//: The title of the message that the address is not valid.
inline constexpr char InvalidAddressTitle[] = QT_TRANSLATE_NOOP("frmPostcard", "Trouble");

// The stages a failed delivery names on standard error, in English like the
// program's other lines there.
namespace DeliveryStage {
inline constexpr char Picture[] = "picture";
inline constexpr char Settings[] = "settings";
inline constexpr char ServiceRequest[] = "service request";
inline constexpr char ServiceReply[] = "service reply";
inline constexpr char MailConnection[] = "mail connection";
inline constexpr char Tls[] = "TLS";
inline constexpr char Login[] = "login";
inline constexpr char Sender[] = "sender";
inline constexpr char Recipient[] = "recipient";
inline constexpr char Data[] = "data";
} // namespace DeliveryStage
