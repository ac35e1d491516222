#pragma once

// How the process ends when a thread could not be stopped.
namespace ExitPolicy {

// A thread stuck in the sound server's client library holds locks that Qt Multimedia's own
// clean-up at process exit takes, or frees them under it: the process would hang for good or
// abort. From this call on, the process ends ahead of that clean-up, with the status it exits
// with. Exit handlers run last registered first, so it works only once the libraries have
// registered theirs: call it when the stuck thread is found, not at start.
void endProcessBeforeLibraryCleanUp();

} // namespace ExitPolicy
