#include "Internal.h"

CAIListNode::CAIListNode() : m_pNext(nullptr), m_iPosition(0) {}

CAIListNode::~CAIListNode() = default;

double CAIListNode::SortKey(int /*key*/) { return m_iPosition; }

namespace quorvel {

void CAIList::Append(CAIListNode* node) {
    node->m_pNext = nullptr;
    node->m_iPosition = m_iCount;
    if (m_pTail == nullptr)
        m_pHead = node;
    else
        m_pTail->m_pNext = node;
    m_pTail = node;
    m_pShortcut = node;
    ++m_iCount;
}

void CAIList::InsertAt(CAIListNode* node, int position) {
    if (position >= m_iCount) {
        Append(node);
        return;
    }
    if (position <= 0) {
        node->m_pNext = m_pHead;
        m_pHead = node;
        Renumber(node, 0);
    } else {
        CAIListNode* before = Find(position - 1);
        node->m_pNext = before->m_pNext;
        before->m_pNext = node;
        Renumber(node, position);
    }
    ++m_iCount;
}

void CAIList::Renumber(CAIListNode* from, int position) {
    for (CAIListNode* n = from; n != nullptr; n = n->m_pNext) n->m_iPosition = position++;
}

CAIListNode* CAIList::Find(int position) {
    if (position < 0 || position >= m_iCount) return nullptr;
    CAIListNode* n = (m_pShortcut != nullptr && m_pShortcut->m_iPosition <= position) ? m_pShortcut : m_pHead;
    while (n != nullptr && n->m_iPosition != position) n = n->m_pNext;
    if (n != nullptr) m_pShortcut = n;
    return n;
}

void CAIList::Clear() {
    CAIListNode* n = m_pHead;
    m_pHead = m_pTail = m_pShortcut = nullptr;
    m_iCount = 0;
    while (n != nullptr) {
        CAIListNode* next = n->m_pNext;
        delete n;
        n = next;
    }
}

}  // namespace quorvel
