#include "widget/core/ModalDepth.h"

bool ModalDepth::Leave() {
    --m_depth;
    return m_unloaded && m_depth == 0;
}

bool ModalDepth::Unload() {
    m_unloaded = true;
    return m_depth == 0;
}
