// The condition evaluator: any text either evaluates or raises "Bad logic operand!".
#include "FuzzCheck.h"
#include "mib/QnEvaluate.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    try {
        (void)EvaluateCondition(Text(data, size));
    } catch (const QnException& e) {
        ExpectCode(e, {-1});
    }
    return 0;
}
