// The two kinds of message box a radio conversation may ask its user, and the
// answers; whoever shows them (dialog, command line, test) answers through these.
#pragma once

namespace qm314 {

enum class MessageButtons { Ok, RetryCancel };
enum class MessageAnswer { Ok, Retry, Cancel };

}  // namespace qm314
