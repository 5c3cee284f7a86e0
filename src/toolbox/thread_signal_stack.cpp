#include "toolbox/thread_signal_stack.h"

#include "toolbox/toolbox_constants.h"

#include <pthread.h>
#include <sys/mman.h>

ThreadSignalStack::ThreadSignalStack(const char* name) {
    if (name)
        pthread_setname_np(pthread_self(), name);
    // Pages are only taken when a handler runs on them.
    void* stack = mmap(nullptr, toolbox::kSignalStackBytes, PROT_READ | PROT_WRITE,
                       MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    if (stack == MAP_FAILED)
        return;
    stack_t wanted{};
    wanted.ss_sp = stack;
    wanted.ss_size = toolbox::kSignalStackBytes;
    if (sigaltstack(&wanted, &m_previous) != 0) {
        munmap(stack, toolbox::kSignalStackBytes);
        return;
    }
    m_stack = stack;
}

ThreadSignalStack::~ThreadSignalStack() {
    if (!m_stack)
        return;
    // A thread that had none gets none back: the previous one reads as disabled.
    sigaltstack(&m_previous, nullptr);
    munmap(m_stack, toolbox::kSignalStackBytes);
}
