# Boot sector of the sample diskette.
#
# The BIOS loads this sector to 0000:7C00 and jumps to its first byte. The first three
# bytes jump over the BIOS parameter block that the FAT12 file system keeps in bytes 3 to
# 61; make-diskette.sh takes that block from mkfs.fat and only the jump, the code from
# offset 62 on and the signature from here. The code says what the diskette is, on the
# screen through the BIOS and on the first serial port (so that a machine without a screen,
# or a test, can read it), and then halts: the sample carries no system to start.
#
# Linked at 0x7C00, so that labels are the addresses the code runs at with DS = 0.

        .code16
        .text
        .globl  _start

        .set    COM1, 0x3f8             # first serial port, I/O base
        .set    UART_DATA, COM1 + 0     # transmit holding register (divisor low with DLAB)
        .set    UART_IER, COM1 + 1      # interrupt enable (divisor high with DLAB)
        .set    UART_FCR, COM1 + 2      # FIFO control
        .set    UART_LCR, COM1 + 3      # line control
        .set    UART_MCR, COM1 + 4      # modem control
        .set    UART_LSR, COM1 + 5      # line status
        .set    LSR_THRE, 0x20          # transmit holding register empty
        .set    BAUD_9600, 12           # divisor of the UART's 115200 baud clock

_start:
        jmp     start                   # short jump: EB 3C
        nop                             # 90, as DOS expects before the parameter block

        # Bytes 3 to 61: OEM name and BIOS parameter block. Left empty here; the
        # file system's own block is kept when the sector is put on the diskette.
        .org    0x3e

start:
        # Some BIOSes enter with CS = 07C0, others with CS = 0; nothing below depends on
        # CS, because every jump and call is relative and data goes through DS = 0.
        cli
        xorw    %ax, %ax
        movw    %ax, %ds
        movw    %ax, %es
        movw    %ax, %ss
        movw    $0x7c00, %sp            # the stack grows down below this sector
        sti
        cld

        call    serial_init

        movw    $message, %si
1:      lodsb
        testb   %al, %al
        jz      halt
        call    put_char
        jmp     1b

        # Nothing more to do. HLT with interrupts off stops the processor until an NMI;
        # loop in case one comes.
halt:   cli
        hlt
        jmp     halt

# 9600 baud, 8 data bits, no parity, 1 stop bit, FIFOs on, DTR and RTS raised: what a
# terminal on the other end expects by default. The BIOS may have left the port in any state.
serial_init:
        movw    $UART_IER, %dx
        xorb    %al, %al                # no interrupts: we poll
        outb    %al, %dx
        movw    $UART_LCR, %dx
        movb    $0x80, %al              # DLAB on: the next two ports take the divisor
        outb    %al, %dx
        movw    $UART_DATA, %dx
        movb    $BAUD_9600, %al
        outb    %al, %dx
        movw    $UART_IER, %dx
        xorb    %al, %al
        outb    %al, %dx
        movw    $UART_LCR, %dx
        movb    $0x03, %al              # DLAB off, 8N1
        outb    %al, %dx
        movw    $UART_FCR, %dx
        movb    $0xc7, %al              # enable and clear both FIFOs
        outb    %al, %dx
        movw    $UART_MCR, %dx
        movb    $0x03, %al              # DTR and RTS
        outb    %al, %dx
        ret

# Puts the character in AL on the screen and then on COM1. The screen comes first, so that
# whoever has read the whole message from the serial port knows it is on the screen too.
put_char:
        pushaw                          # some BIOSes change registers the call should keep
        movb    $0x0e, %ah              # teletype output: writes and advances the cursor
        movw    $0x0007, %bx            # page 0, light grey (used in graphics modes only)
        int     $0x10
        popaw

        # Wait until the UART can take a byte, but not for ever: where no UART answers,
        # the port reads 0xFF, which looks ready; a stuck one must not hang the screen text.
        movb    %al, %bl
        movw    $UART_LSR, %dx
        movw    $0xffff, %cx
2:      inb     %dx, %al
        testb   $LSR_THRE, %al
        jnz     3f
        loop    2b
3:      movw    $UART_DATA, %dx
        movb    %bl, %al
        outb    %al, %dx
        ret

message:
        .asciz  "KORVANT sample diskette: written by KORVANT Setup. Remove it and restart.\r\n"

        .org    510
        .byte   0x55, 0xaa              # the BIOS boots only a sector that ends so
