# A static 32-bit x86 Linux program that only exits with status 0. It needs no
# library: if it cannot run, the kernel cannot execute 32-bit programs at all.
    .text
    .globl _start
_start:
    movl $1, %eax       # exit
    xorl %ebx, %ebx     # status 0
    int $0x80
