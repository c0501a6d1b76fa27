// A shared library that is no Qt plug-in at all.
extern "C" int qvasPlainLibraryFunction()
{
    return 1;
}
