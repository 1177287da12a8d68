// Marks for ThreadSanitizer where our data crosses threads through Qt's event
// queue.  Qt's libraries are not built with the sanitizer, so it cannot see
// that a queued call runs after it was posted, nor that a blocking one returns
// after the receiver ran.  Empty unless built with -fsanitize=thread.
#pragma once

#if defined(__SANITIZE_THREAD__)
#define QM314_HANDOVER_MARKS 1
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define QM314_HANDOVER_MARKS 1
#endif
#endif

#ifdef QM314_HANDOVER_MARKS
#include <sanitizer/tsan_interface.h>
extern "C" void __tsan_ignore_thread_begin();
extern "C" void __tsan_ignore_thread_end();
#endif

namespace qm314 {

// On the sending thread: everything it wrote so far is ordered before the
// receiving thread's next ReceiveHandover with the same key.
inline void SendHandover([[maybe_unused]] const void* key) {
#ifdef QM314_HANDOVER_MARKS
  __tsan_release(const_cast<void*>(key));
#endif
}

inline void ReceiveHandover([[maybe_unused]] const void* key) {
#ifdef QM314_HANDOVER_MARKS
  __tsan_acquire(const_cast<void*>(key));
#endif
}

// Sends, then runs `post`, the Qt call that queues work for another thread.
// Qt copies the call and its arguments inside `post`, after the mark; those
// copies, read only by the receiver, are left out of the sanitizer's record.
template <typename Post>
void PostHandover(const void* key, Post&& post) {
  SendHandover(key);
#ifdef QM314_HANDOVER_MARKS
  __tsan_ignore_thread_begin();
#endif
  post();
#ifdef QM314_HANDOVER_MARKS
  __tsan_ignore_thread_end();
#endif
}

}  // namespace qm314
