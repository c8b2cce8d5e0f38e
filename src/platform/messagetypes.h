#pragma once

namespace quarnix::platform {

// The parts of a message box that callers choose. Kept free of widgets so the
// engine can ask questions headless.
enum class MessageIcon { Error, Warning, Information, Question };
enum class MessageButtons { Ok, YesNo }; // with Yes and No, Yes is the default
enum class MessageAnswer { Ok, Yes, No };

} // namespace quarnix::platform
