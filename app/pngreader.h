#pragma once

namespace dorva {

// Lets Qt read PNG files, such as the images its own styles draw with, without first loading
// every installed image format plugin to ask each whether it reads PNG. With the usual plugin
// packages installed, that search costs several milliseconds at every start. Call once the
// application object exists, before the first widget is built.
void usePngReader();

} // namespace dorva
