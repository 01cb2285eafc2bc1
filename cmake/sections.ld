/* The program's sections, in the roles Windows and its tools expect:

     .text   code, then the constants and the import tables, read-only
             (the loader makes the import address table writable while it
             fills it in, as it does for every program that merges them so);
     .bss    the variables, all zero at start, so no bytes in the file;
     .rsrc   the resources and nothing else: resource editors rebuild this
             section from the resource tree, and keep nothing else in it;
     .reloc  base relocations, for ASLR.

   ld finds the import directory by the symbols .idata$2 (start) and
   .idata$4 (end), and the import address table by .idata$5 (start) and
   .idata$6 (end); it reads them as image-relative addresses. It finds the
   resource and relocation directories by the section names. Each DLL's
   lookup table (.idata$4) and address table (.idata$5) list its functions
   in the same order, so both are sorted alike.

   Every function of an import library also carries a 4-byte link to its
   DLL's name (.idata$7) that only pulls the name into the link; those are
   dropped, and only the names themselves, in the libraries' tail objects
   (*t.o), are kept.  */
SECTIONS
{
  . = SIZEOF_HEADERS;
  . = ALIGN(__section_alignment__);
  .text __image_base__ + __section_alignment__ :
  {
    *(.text) *(SORT(.text$*)) *(.text.*)
    *(.rdata) *(SORT(.rdata$*)) *(.rdata.*)
    . = ALIGN(4);
    ".idata$2" = ABSOLUTE(. - __image_base__);
    KEEP (SORT(*)(.idata$2))
    KEEP (SORT(*)(.idata$3))
    LONG (0); LONG (0); LONG (0); LONG (0); LONG (0);  /* ends the list */
    ".idata$4" = ABSOLUTE(. - __image_base__);
    KEEP (SORT(*)(.idata$4))
    ".idata$5" = ABSOLUTE(. - __image_base__);
    KEEP (SORT(*)(.idata$5))
    ".idata$6" = ABSOLUTE(. - __image_base__);
    KEEP (SORT(*)(.idata$6))
    KEEP (SORT(*:*t.o)(.idata$7))
  }
  .bss BLOCK(__section_alignment__) :
  {
    *(.data) *(.data.*) *(SORT(.data$*))
    *(.bss) *(.bss.*) *(COMMON)
  }
  .rsrc BLOCK(__section_alignment__) :
  {
    KEEP (*(.rsrc))
    KEEP (*(SORT(.rsrc$*)))
  }
  .reloc BLOCK(__section_alignment__) :
  {
    *(.reloc)
  }
  /DISCARD/ :
  {
    *(.drectve) *(.note.GNU-stack) *(.gnu.lto_*) *(.debug*) *(.comment)
    *(.idata$7)
  }
}
