#include "cmnsplitter.h"

CCmnSplitter::CCmnSplitter(QWidget *parent)
    : QSplitter(parent)
{
}
