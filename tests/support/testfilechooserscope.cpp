#include "testfilechooserscope.h"

CTestFileChooserScope::CTestFileChooserScope(const QString &answer)
    : m_Previous(CmnSetFileChooser([this, answer](const CCmnFileChooserRequest &request) {
          m_Requests << request;
          return answer;
      }))
{
}

CTestFileChooserScope::~CTestFileChooserScope()
{
    CmnSetFileChooser(m_Previous);
}
