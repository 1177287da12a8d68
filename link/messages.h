// Every text the radio link shows the user, verbatim, in one place.
#pragma once

namespace qm314::msg {

inline constexpr const char* kCouldNotOpenPort =
    "Could not Open the Port,Please check whether the Port are occupied or the device are ok";
inline constexpr const char* kDetectingPort = "Now are detecting Communication Port,Please wait...";
inline constexpr const char* kWaitingResponse = "Waiting the response from radio....";
// The comma after "Error" is U+FF0C FULLWIDTH COMMA.
inline constexpr const char* kCommunicationError =
    "Communication Error\uFF0CPlease check all the connections and the radio power";
inline constexpr const char* kSendOrderError = " Error in the Send Order";
inline constexpr const char* kErrorHappened = "Error had happen,please try again";
inline constexpr const char* kNotEnoughBytes = "not received enough  byte";

inline constexpr const char* kReadingCaption = "Reading Data Progress";
inline constexpr const char* kWritingCaption = "Writing Data Progress";

// The progress dialog's own texts.
inline constexpr const char* kStartButton = "Start";
inline constexpr const char* kCancelButton = "Cancel";

// The other buttons of the message boxes, as the desktop's toolkit words its
// standard ones; the browser page shows the same.
inline constexpr const char* kOkButton = "OK";
inline constexpr const char* kRetryButton = "Retry";
inline constexpr const char* kYesButton = "Yes";
inline constexpr const char* kNoButton = "No";
inline constexpr const char* kShowDetailsButton = "Show Details...";
inline constexpr const char* kHideDetailsButton = "Hide Details...";
// The colon is U+FF1A, FULLWIDTH COLON.
inline constexpr const char* kProgressLabel = "Progress\uFF1A";
inline constexpr const char* kNotStartYet = "   Not start yet";

}  // namespace qm314::msg
